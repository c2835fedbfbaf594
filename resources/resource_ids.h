#pragma once

// The program's main icon: the first icon group, which the shell shows for the file.
#define IDI_KUVANO 1
