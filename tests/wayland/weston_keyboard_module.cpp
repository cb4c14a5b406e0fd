// A weston module for the Wayland tests: weston's headless backend has no
// input devices, so this gives its compositor a seat with a keyboard, which
// the test drives through a named pipe. Commands, one a line:
//   key CODE   presses and releases the key of that Linux input code, as a
//              real keyboard would, to whichever surface has the focus
//   focus      prints "focus X Y WIDTH HEIGHT" of that surface on stdout
//              ("focus none" without one)
// The pipe is the file HORAVISTA_WESTON_COMMANDS names.
extern "C" {
#include <libweston/libweston.h>

// Exported by libweston for its backends, though not in its public header.
void weston_seat_init(struct weston_seat* seat, struct weston_compositor* compositor, const char* name);
int weston_seat_init_keyboard(struct weston_seat* seat, struct xkb_keymap* keymap);
void notify_key(struct weston_seat* seat, const struct timespec* time, uint32_t key, enum wl_keyboard_key_state state,
    enum weston_key_state_update update_state);
}

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct TestKeyboard {
    weston_seat seat{};
    std::string pending;
};

void press(TestKeyboard& keyboard, uint32_t code)
{
    for (auto state : {WL_KEYBOARD_KEY_STATE_PRESSED, WL_KEYBOARD_KEY_STATE_RELEASED}) {
        timespec now{};
        weston_compositor_get_time(&now);
        notify_key(&keyboard.seat, &now, code, state, STATE_UPDATE_AUTOMATIC);
    }
}

void reportFocus(TestKeyboard& keyboard)
{
    weston_keyboard* state = weston_seat_get_keyboard(&keyboard.seat);
    weston_surface* surface = state ? state->focus : nullptr;
    if (!surface || wl_list_empty(&surface->views)) {
        std::printf("focus none\n");
    } else {
        weston_view* view = wl_container_of(surface->views.next, view, surface_link);
        std::printf("focus %d %d %d %d\n", static_cast<int>(view->geometry.x), static_cast<int>(view->geometry.y),
            surface->width, surface->height);
    }
    std::fflush(stdout);
}

void run(TestKeyboard& keyboard, const std::string& command)
{
    if (command.rfind("key ", 0) == 0)
        press(keyboard, static_cast<uint32_t>(std::strtoul(command.c_str() + 4, nullptr, 10)));
    else if (command == "focus")
        reportFocus(keyboard);
}

int readCommands(int fd, uint32_t, void* data)
{
    auto& keyboard = *static_cast<TestKeyboard*>(data);
    char buffer[256];
    ssize_t got;
    while ((got = read(fd, buffer, sizeof buffer)) > 0)
        keyboard.pending.append(buffer, static_cast<std::size_t>(got));
    for (std::size_t end; (end = keyboard.pending.find('\n')) != std::string::npos;) {
        run(keyboard, keyboard.pending.substr(0, end));
        keyboard.pending.erase(0, end + 1);
    }
    return 0;
}

} // namespace

extern "C" WL_EXPORT int wet_module_init(weston_compositor* compositor, int*, char*[])
{
    const char* path = std::getenv("HORAVISTA_WESTON_COMMANDS");
    // Opened for writing too, so that the pipe never reads as ended while
    // the test has it closed.
    const int fd = path ? open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC) : -1;
    if (fd < 0) {
        std::fprintf(stderr, "weston keyboard module: no command pipe in HORAVISTA_WESTON_COMMANDS\n");
        return -1;
    }
    // Lives as long as the compositor.
    auto* keyboard = new TestKeyboard;
    weston_seat_init(&keyboard->seat, compositor, "horavista-test");
    if (weston_seat_init_keyboard(&keyboard->seat, nullptr) < 0)
        return -1;
    wl_event_loop_add_fd(
        wl_display_get_event_loop(compositor->wl_display), fd, WL_EVENT_READABLE, readCommands, keyboard);
    std::printf("ready\n");
    std::fflush(stdout);
    return 0;
}
