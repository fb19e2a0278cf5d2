// Stands in for a smartctl stuck on a disk that stopped answering, which SIGKILL does not end until
// its I/O does. The start-up test installs it setuid root; it takes root's identity whole, so a
// monitor run by another account cannot end it either. It gives up after a minute.
#include <unistd.h>

int main()
{
    if (setuid(0) != 0)
        return 1;
    sleep(60);
    return 0;
}
