// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gives memory the program has freed back to the system. A reload of a full book frees a whole
// table of small texts at once, and the allocator would otherwise keep those pages for good.
void ReturnFreedMemory();
