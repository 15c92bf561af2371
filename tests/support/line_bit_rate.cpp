#include "support/line_bit_rate.h"

// The kernel's own terminal structure carries the rate as a number even where it
// is not one of the Bnnn codes; it clashes with <termios.h>, hence a file of its own.
#include <asm/termbits.h>
#include <sys/ioctl.h>

int lineBitRate(int fd)
{
    termios2 settings{};
    if (::ioctl(fd, TCGETS2, &settings) != 0)
        return -1;
    return static_cast<int>(settings.c_ospeed);
}
