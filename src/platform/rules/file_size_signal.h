// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A write past the process's file-size limit (ulimit -f) raises SIGXFSZ, which ends the program
// unless ignored. Ignored, the write fails with EFBIG and is reported as a full disk is.
void IgnoreFileSizeSignal();
