/* floor_reader: the least a program can spend to take status frames off the
 * line. It opens the given serial devices as the program does (raw 8N1,
 * 19200 baud, XON/XOFF), polls them and reads every character, counting
 * 160-character frames, until each line has delivered `frames` frames after
 * the first full one. It answers nothing and draws nothing.
 *
 * With --best it wakes as little as a reader can without being late: after
 * each read a line leaves the poll set until its frame could be complete at
 * the line's rate (less 5 ms), then waits in poll() with the kernel holding
 * the characters back until the frame is whole (VMIN, at most 64).
 *
 * With --answer it also does what any answering reader must: 30 ms after
 * it read a frame's last character it writes a 34-byte command frame (32
 * zero positions, CR LF: no request) to that line, waking for it as the
 * program wakes for its reply tick. Still nothing is parsed or drawn.
 *
 *   floor_reader [--best] [--answer] FRAMES DEVICE...
 *
 * Prints one line: "<frames read> <CPU microseconds, user + system>". */

#include <fcntl.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#define MAX_LINES 8
#define FRAME_CHARS 160
#define CHAR_NS (10L * 1000000000L / 19200)
#define AHEAD_NS 5000000L
#define ANSWER_NS 30000000L
#define ANSWER_CHARS 34

static long now_ns(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000L + t.tv_nsec;
}

static void set_vmin(int fd, int chars)
{
    struct termios tio;
    if (tcgetattr(fd, &tio) != 0) return;
    tio.c_cc[VMIN] = (cc_t)chars;
    tio.c_cc[VTIME] = 0;
    tcsetattr(fd, TCSANOW, &tio);
}

static long cpu_us(void)
{
    struct rusage ru;
    getrusage(RUSAGE_SELF, &ru);
    return (ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) * 1000000L + ru.ru_utime.tv_usec + ru.ru_stime.tv_usec;
}

int main(int argc, char** argv)
{
    int best = 0, answer = 0;
    while (argc > 1 && strncmp(argv[1], "--", 2) == 0) {
        if (strcmp(argv[1], "--best") == 0)
            best = 1;
        else if (strcmp(argv[1], "--answer") == 0)
            answer = 1;
        else
            break;
        ++argv;
        --argc;
    }
    if (argc < 3) {
        fprintf(stderr, "usage: floor_reader [--best] [--answer] FRAMES DEVICE...\n");
        return 2;
    }
    char reply[ANSWER_CHARS] = {0};
    reply[ANSWER_CHARS - 2] = '\r';
    reply[ANSWER_CHARS - 1] = '\n';
    const long frames = atol(argv[1]);
    const int lines = argc - 2 > MAX_LINES ? MAX_LINES : argc - 2;
    struct pollfd fds[MAX_LINES];
    int line_fd[MAX_LINES];
    long resume[MAX_LINES] = {0};   /* --best: when a line left out of poll() is watched again */
    long chars[MAX_LINES] = {0};
    long answer_at[MAX_LINES] = {0};   /* --answer: when the line's reply is due, 0 none */
    for (int i = 0; i < lines; ++i) {
        line_fd[i] = fds[i].fd = open(argv[2 + i], O_RDWR | O_NOCTTY | O_NONBLOCK);
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
        int timeout = 2000;
        if (answer) {
            /* Replies due: written now; the next one bounds the wait (never early). */
            const long now = now_ns();
            for (int i = 0; i < lines; ++i) {
                if (answer_at[i] == 0) continue;
                if (now >= answer_at[i]) {
                    if (write(line_fd[i], reply, sizeof reply) < 0) perror("floor_reader: write");
                    answer_at[i] = 0;
                } else if ((answer_at[i] - now + 999999) / 1000000 < timeout) {
                    timeout = (int)((answer_at[i] - now + 999999) / 1000000);
                }
            }
        }
        if (best) {
            const long now = now_ns();
            for (int i = 0; i < lines; ++i) {
                if (fds[i].fd >= 0) continue;
                if (now >= resume[i]) {
                    const long missing = FRAME_CHARS - chars[i] % FRAME_CHARS;
                    set_vmin(line_fd[i], missing > 64 ? 64 : (int)missing);
                    fds[i].fd = line_fd[i];
                } else if ((resume[i] - now) / 1000000 + 1 < timeout) {
                    timeout = (int)((resume[i] - now) / 1000000 + 1);
                }
            }
        }
        const int r = poll(fds, (nfds_t)lines, timeout);
        if (r < 0 || (r == 0 && timeout == 2000)) {
            fprintf(stderr, "floor_reader: the lines went quiet\n");
            return 1;
        }
        for (int i = 0; i < lines; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & POLLIN)) continue;
            const ssize_t n = read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                /* A frame completed by this read is answered 30 ms from now. */
                if (answer && (chars[i] + n) / FRAME_CHARS > chars[i] / FRAME_CHARS) answer_at[i] = now_ns() + ANSWER_NS;
                chars[i] += n;
            }
            if (best) {
                const long wait = (FRAME_CHARS - chars[i] % FRAME_CHARS) * CHAR_NS - AHEAD_NS;
                if (wait > AHEAD_NS) {
                    fds[i].fd = -1;
                    resume[i] = now_ns() + wait;
                } else {
                    const long missing = FRAME_CHARS - chars[i] % FRAME_CHARS;
                    set_vmin(line_fd[i], missing > 64 ? 64 : (int)missing);
                }
            }
        }
    }
    long total = 0;
    for (int i = 0; i < lines; ++i) total += chars[i] / FRAME_CHARS;
    printf("%ld %ld\n", total, cpu_us() - start);
    return 0;
}
