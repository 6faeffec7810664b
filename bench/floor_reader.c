/* floor_reader: the least a program can spend to take status frames off the
 * line. It opens the given serial devices as the program does (raw 8N1,
 * 19200 baud, XON/XOFF), polls them and reads every character, counting
 * 160-character frames, until each line has delivered `frames` frames after
 * the first full one. It answers nothing and draws nothing.
 *
 *   floor_reader FRAMES DEVICE...
 *
 * Prints one line: "<frames read> <CPU microseconds, user + system>". */

#include <fcntl.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#define MAX_LINES 8
#define FRAME_CHARS 160

static long cpu_us(void)
{
    struct rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    return (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000000L + ru.ru_utime.tv_usec + ru.ru_stime.tv_usec;
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: floor_reader FRAMES DEVICE...\n");
        return 2;
    }
    const long frames = atol(argv[1]);
    const int lines = argc - 2 > MAX_LINES ? MAX_LINES : argc - 2;
    struct pollfd fds[MAX_LINES];
    long chars[MAX_LINES] = {0};
    for (int i = 0; i < lines; ++i) {
        fds[i].fd = open(argv[2 + i], O_RDWR | O_NOCTTY | O_NONBLOCK);
        fds[i].events = POLLIN;
        if (fds[i].fd < 0) {
            perror(argv[2 + i]);
            return 1;
        }
        struct termios tio;
        tcgetattr(fds[i].fd, &tio);
        cfmakeraw(&tio);
        cfsetspeed(&tio, B19200);
        tio.c_iflag |= IXON | IXOFF;
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 0;
        tcsetattr(fds[i].fd, TCSANOW, &tio);
        tcflush(fds[i].fd, TCIFLUSH);
    }

    /* Counted from the first frame boundary each line reaches: the
     * characters before it belong to a frame already under way. */
    const long start = cpu_us();
    char buf[4096];
    for (;;) {
        int done = 1;
        for (int i = 0; i < lines; ++i)
            if (chars[i] < (frames + 1) * FRAME_CHARS) done = 0;
        if (done) break;
        if (poll(fds, (nfds_t)lines, 2000) <= 0) {
            fprintf(stderr, "floor_reader: the lines went quiet\n");
            return 1;
        }
        for (int i = 0; i < lines; ++i) {
            if (!(fds[i].revents & POLLIN)) continue;
            const ssize_t n = read(fds[i].fd, buf, sizeof buf);
            if (n > 0) chars[i] += n;
        }
    }
    long total = 0;
    for (int i = 0; i < lines; ++i) total += chars[i] / FRAME_CHARS;
    printf("%ld %ld\n", total, cpu_us() - start);
    return 0;
}
