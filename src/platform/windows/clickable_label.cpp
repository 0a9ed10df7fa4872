#include "platform/windows/clickable_label.h"
