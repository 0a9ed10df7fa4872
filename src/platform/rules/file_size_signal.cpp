// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/file_size_signal.h"

#include <csignal>

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }
