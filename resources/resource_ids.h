#pragma once

// The program's main icon: the first icon group, which the shell shows for the file.
#define IDI_KUVANO 1

// The help window's text, UTF-8 with CR LF lines.
#define IDR_HELP_TEXT 100
