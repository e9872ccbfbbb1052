/* xclose: asks an X11 window to close the way a window manager's close button
 * does, by sending it the WM_DELETE_WINDOW client message of the
 * WM_PROTOCOLS protocol. The application decides what to do with it; the
 * window is not destroyed from outside (which is what `xdotool windowclose`
 * does and no user can do).
 *
 *   xclose ID...          windows given by id (decimal or 0x hex)
 *   xclose --name TITLE   every window whose title is exactly TITLE
 *
 * Exit status: 0 when the message went to at least one window, 1 when no
 * window matched or a window does not take part in WM_DELETE_WINDOW, 2 on a
 * usage error or when the display cannot be opened. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "x11_title.h"

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Windows can vanish while we look at them; an X error is remembered
 * instead of ending the program as Xlib's default handler would. */
static int gXErrorSeen = 0;

static int RememberXError(Display* display, XErrorEvent* error) {
    (void)display;
    (void)error;
    gXErrorSeen = 1;
    return 0;
}

static int WindowTakesDelete(Display* display, Window window, Atom deleteAtom) {
    Atom* protocols = NULL;
    int count = 0;
    int found = 0;
    if (XGetWMProtocols(display, window, &protocols, &count)) {
        for (int i = 0; i < count; i++) found |= protocols[i] == deleteAtom;
        XFree(protocols);
    }
    return found;
}

static int SendDelete(Display* display, Window window) {
    Atom protocolsAtom = XInternAtom(display, "WM_PROTOCOLS", False);
    Atom deleteAtom = XInternAtom(display, "WM_DELETE_WINDOW", False);
    gXErrorSeen = 0;
    int takesDelete = WindowTakesDelete(display, window, deleteAtom);
    XSync(display, False);
    if (gXErrorSeen) {
        fprintf(stderr, "xclose: no window 0x%lx\n", window);
        return 0;
    }
    if (!takesDelete) {
        fprintf(stderr, "xclose: window 0x%lx does not accept WM_DELETE_WINDOW\n", window);
        return 0;
    }
    XEvent event;
    memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocolsAtom;
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)deleteAtom;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return 1;
}

/* Walks the window tree below `window` and closes every window titled
 * `title`; returns how many were asked to close, or -1 when one of them
 * does not accept the request. */
static int CloseByTitle(Display* display, Window window, const char* title) {
    int closed = 0;
    if (HasTitle(display, window, title)) {
        if (!SendDelete(display, window)) return -1;
        closed++;
    }
    Window root, parent, *children = NULL;
    unsigned int count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count)) return closed;
    for (unsigned int i = 0; i < count && closed >= 0; i++) {
        int below = CloseByTitle(display, children[i], title);
        closed = below < 0 ? -1 : closed + below;
    }
    if (children) XFree(children);
    return closed;
}

static int ParseWindowId(const char* text, Window* window) {
    char* end = NULL;
    errno = 0;
    unsigned long value = strtoul(text, &end, 0);
    if (errno != 0 || end == text || *end != '\0' || value == 0) return 0;
    *window = (Window)value;
    return 1;
}

static int Usage(void) {
    fprintf(stderr, "usage: xclose WINDOW_ID...\n       xclose --name TITLE\n");
    return 2;
}

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    int byName = strcmp(argv[1], "--name") == 0;
    if (byName && argc != 3) return Usage();

    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        const char* name = getenv("DISPLAY");
        fprintf(stderr, "xclose: cannot open display '%s'\n", name ? name : "");
        return 2;
    }

    XSetErrorHandler(RememberXError);
    int status = 0;
    if (byName) {
        int closed = CloseByTitle(display, DefaultRootWindow(display), argv[2]);
        if (closed == 0) fprintf(stderr, "xclose: no window titled '%s'\n", argv[2]);
        status = closed > 0 ? 0 : 1;
    } else {
        for (int i = 1; i < argc; i++) {
            Window window;
            if (!ParseWindowId(argv[i], &window)) {
                fprintf(stderr, "xclose: not a window id: %s\n", argv[i]);
                status = 2;
            } else if (!SendDelete(display, window)) {
                status = status ? status : 1;
            }
        }
    }
    XCloseDisplay(display);
    return status;
}
