#pragma once

// The output bit rate the terminal behind `fd` is set to, as the kernel holds
// it (a pseudo-terminal keeps whatever rate the port layer gave it); -1 when it
// cannot be read.
int lineBitRate(int fd);
