/* Whether an X window's title is exactly `title`: its UTF-8 _NET_WM_NAME,
 * or else its WM_NAME. Shared by the end-to-end tests' X clients. */
#ifndef E2E_X11_TITLE_H
#define E2E_X11_TITLE_H

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string.h>

static int HasTitle(Display* display, Window window, const char* title) {
    Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long items, remaining;
    unsigned char* value = NULL;
    int equal = 0;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &items,
                           &remaining, &value) == Success && value != NULL) {
        equal = type == utf8 && strcmp((const char*)value, title) == 0;
        XFree(value);
        if (equal) return 1;
    }
    char* name = NULL;
    if (XFetchName(display, window, &name) && name != NULL) {
        equal = strcmp(name, title) == 0;
        XFree(name);
    }
    return equal;
}

#endif
