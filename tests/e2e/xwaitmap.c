/* xwaitmap: lets a stopped process run until it maps a window with a given
 * title, and stops it again at once, so that the window can be looked at
 * before the program has drawn much into it.
 *
 *   xwaitmap TITLE PID TIMEOUT_SECONDS
 *
 * PID must be stopped (SIGSTOP) and not yet have mapped the window. xwaitmap
 * listens for new and mapped top-level windows, continues PID (SIGCONT),
 * and when a viewable top-level window titled exactly TITLE exists, stops
 * PID (SIGSTOP) and prints the window's id. Exit status: 0 found, 1 timed
 * out or PID ended (PID is left running), 2 usage or display error. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "x11_title.h"

#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/time.h>
#include <sys/types.h>

static int IgnoreXError(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    return 0;  // a window may vanish while we look at it
}

/* The first viewable child of the root titled `title`, or 0. Title changes
 * of every child are watched from here on. */
static Window FindMapped(Display* display, const char* title) {
    Window root, parent, *children = NULL, found = 0;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
    for (unsigned int i = 0; i < count && !found; i++) {
        XWindowAttributes attributes;
        XSelectInput(display, children[i], PropertyChangeMask);
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && HasTitle(display, children[i], title)) {
            found = children[i];
        }
    }
    if (children) XFree(children);
    return found;
}

static double Now(void) {
    struct timeval now;
    gettimeofday(&now, NULL);
    return now.tv_sec + now.tv_usec / 1e6;
}

/* Waits up to `seconds` for an X event; false on timeout. */
static int WaitForEvent(Display* display, double seconds) {
    if (XPending(display)) return 1;
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(ConnectionNumber(display), &readable);
    struct timeval timeout = {(time_t)seconds, (suseconds_t)((seconds - (time_t)seconds) * 1e6)};
    return select(ConnectionNumber(display) + 1, &readable, NULL, NULL, &timeout) > 0;
}

int main(int argc, char** argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: xwaitmap TITLE PID TIMEOUT_SECONDS\n");
        return 2;
    }
    const char* title = argv[1];
    pid_t pid = (pid_t)strtol(argv[2], NULL, 10);
    double timeout = strtod(argv[3], NULL);
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "xwaitmap: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    if (kill(pid, SIGCONT) != 0) {
        fprintf(stderr, "xwaitmap: cannot continue process %ld: %s\n", (long)pid, strerror(errno));
        return 1;
    }

    const double deadline = Now() + timeout;
    Window found = FindMapped(display, title);
    while (!found && Now() < deadline) {
        if (kill(pid, 0) != 0) {
            fprintf(stderr, "xwaitmap: process %ld ended before its window appeared\n", (long)pid);
            return 1;
        }
        // Wake at least every 100 ms to notice a process that ended.
        double left = deadline - Now();
        if (!WaitForEvent(display, left < 0.1 ? left : 0.1)) continue;
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
        found = FindMapped(display, title);
    }
    if (!found) {
        fprintf(stderr, "xwaitmap: no window titled '%s' within %s s\n", title, argv[3]);
        return 1;
    }
    kill(pid, SIGSTOP);
    printf("%lu\n", (unsigned long)found);
    XCloseDisplay(display);
    return 0;
}
