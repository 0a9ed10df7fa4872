// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/clickable_label.h"
