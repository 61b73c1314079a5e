// Starts a program and watches the X server from outside it: how long until
// its top-level window with the given title is mapped, how long until the
// program first draws into it, and how much memory it holds once shown.
// The program is not changed or preloaded in any way.
//
//   window-probe --title PREFIX [--settle-ms N] [--timeout-ms N] -- PROGRAM [ARGS...]
//
// Prints one line to standard output:
//   mapped_ms=12.34 painted_ms=15.67 rss_kb=45678 anon_kb=1234 size=705x528 title="..."
// Times run from just before the fork. painted_ms is "NA" when no drawing
// was seen in the settle time. Exits non-zero if the window never shows up
// or the program ends before it does.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "window-probe: %s\n", message.c_str());
    std::exit(2);
}

struct Options {
    std::string title;
    int settleMs = 300;
    int timeoutMs = 30000;
    std::vector<char *> command;
};

Options parseOptions(int argc, char **argv)
{
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string arg = argv[i];
        const auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                fail("missing value after " + arg);
            return argv[++i];
        };
        if (arg == "--title")
            options.title = value();
        else if (arg == "--settle-ms")
            options.settleMs = std::stoi(value());
        else if (arg == "--timeout-ms")
            options.timeoutMs = std::stoi(value());
        else if (arg == "--") {
            ++i;
            break;
        } else
            fail("unknown option " + arg);
    }
    for (; i < argc; ++i)
        options.command.push_back(argv[i]);
    if (options.title.empty() || options.command.empty())
        fail("usage: window-probe --title PREFIX [--settle-ms N] [--timeout-ms N] -- PROGRAM "
             "[ARGS...]");
    options.command.push_back(nullptr);
    return options;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    if (!reply)
        fail(std::string("cannot intern atom ") + name);
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

class Probe {
public:
    explicit Probe(const Options &options) : options_(options)
    {
        connection_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(connection_))
            fail("cannot connect to the X server (is DISPLAY set?)");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        netWmName_ = internAtom(connection_, "_NET_WM_NAME");

        const xcb_query_extension_reply_t *damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            fail("the X server has no DAMAGE extension");
        damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(connection_,
                                                 xcb_damage_query_version(connection_,
                                                                          XCB_DAMAGE_MAJOR_VERSION,
                                                                          XCB_DAMAGE_MINOR_VERSION),
                                                 nullptr));

        // Every top-level window is a child of the root (no window manager
        // runs): its creation and mapping reach us from here on. The round
        // trip makes sure the server has the selection before the fork.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_void_cookie_t cookie =
            xcb_change_window_attributes_checked(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        if (xcb_generic_error_t *error = xcb_request_check(connection_, cookie)) {
            std::free(error);
            fail("cannot watch the root window");
        }
    }

    ~Probe() { xcb_disconnect(connection_); }

    int run()
    {
        start_ = Clock::now();
        pid_ = launch();

        const auto deadline = start_ + std::chrono::milliseconds(options_.timeoutMs);
        std::optional<Clock::time_point> settleEnd;
        while (true) {
            const auto now = Clock::now();
            if (settleEnd && now >= *settleEnd)
                break;
            if (!settleEnd && now >= deadline) {
                stopProgram();
                fail("no window titled \"" + options_.title + "\" within " +
                     std::to_string(options_.timeoutMs) + " ms");
            }
            if (programEnded()) {
                fail("the program ended before its window was shown (status " +
                     std::to_string(exitStatus_) + ")");
            }
            const auto until = settleEnd ? *settleEnd : deadline;
            const int waitMs = std::max<int>(
                0,
                std::min<long>(
                    20, std::chrono::duration_cast<std::chrono::milliseconds>(until - now).count() +
                            1));
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            ::poll(&fd, 1, waitMs);
            while (xcb_generic_event_t *event = xcb_poll_for_event(connection_)) {
                handle(event);
                std::free(event);
            }
            if (xcb_connection_has_error(connection_)) {
                stopProgram();
                fail("lost the connection to the X server");
            }
            if (mappedMs_ && !settleEnd)
                settleEnd = Clock::now() + std::chrono::milliseconds(options_.settleMs);
        }

        const auto [rssKb, anonKb] = readMemory();
        stopProgram();

        char painted[32] = "NA";
        if (paintedMs_)
            std::snprintf(painted, sizeof painted, "%.2f", *paintedMs_);
        std::printf("mapped_ms=%.2f painted_ms=%s rss_kb=%ld anon_kb=%ld size=%dx%d title=\"%s\"\n",
                    *mappedMs_, painted, rssKb, anonKb, width_, height_, targetTitle_.c_str());
        return 0;
    }

private:
    struct Watched {
        bool mapped = false;
        std::optional<double> firstDrawnMs;
    };

    pid_t launch()
    {
        // A pipe closed by a successful exec tells a failed exec apart.
        int pipeFds[2];
        if (::pipe2(pipeFds, O_CLOEXEC) != 0)
            fail("pipe failed");
        const pid_t pid = ::fork();
        if (pid < 0)
            fail("fork failed");
        if (pid == 0) {
            ::close(pipeFds[0]);
            ::close(xcb_get_file_descriptor(connection_));
            ::execvp(options_.command[0], options_.command.data());
            const int error = errno;
            [[maybe_unused]] auto written = ::write(pipeFds[1], &error, sizeof error);
            ::_exit(127);
        }
        ::close(pipeFds[1]);
        int error = 0;
        if (::read(pipeFds[0], &error, sizeof error) == sizeof error)
            fail(std::string("cannot start ") + options_.command[0] + ": " + std::strerror(error));
        ::close(pipeFds[0]);
        return pid;
    }

    void handle(xcb_generic_event_t *event)
    {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (created->parent == root_)
                watch(created->window);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (mapped->event != root_)
                return;
            const double at = millisecondsSince(start_);
            watched_[mapped->window].mapped = true;
            checkTarget(mapped->window, at);
        } else if (type == XCB_UNMAP_NOTIFY) {
            const auto *unmapped = reinterpret_cast<xcb_unmap_notify_event_t *>(event);
            if (unmapped->event == root_)
                watched_[unmapped->window].mapped = false;
        } else if (type == XCB_PROPERTY_NOTIFY) {
            // A title set after mapping counts from the moment it is set.
            const auto *property = reinterpret_cast<xcb_property_notify_event_t *>(event);
            if ((property->atom == XCB_ATOM_WM_NAME || property->atom == netWmName_) &&
                watched_[property->window].mapped)
                checkTarget(property->window, millisecondsSince(start_));
        } else if (type == damageNotify_) {
            const auto *damage = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            Watched &window = watched_[damage->drawable];
            if (!window.firstDrawnMs)
                window.firstDrawnMs = millisecondsSince(start_);
            if (damage->drawable == target_ && !paintedMs_)
                paintedMs_ = window.firstDrawnMs;
        }
    }

    // Asks for title changes and drawing reports of a new top-level window
    // before the program can map it and draw into it.
    void watch(xcb_window_t window)
    {
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &mask);
        xcb_damage_create(connection_, xcb_generate_id(connection_), window,
                          XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(connection_);
        watched_[window];
    }

    void checkTarget(xcb_window_t window, double at)
    {
        if (mappedMs_)
            return;
        const std::string title = titleOf(window);
        if (title.compare(0, options_.title.size(), options_.title) != 0)
            return;
        mappedMs_ = at;
        target_ = window;
        targetTitle_ = title;
        if (auto *geometry = xcb_get_geometry_reply(
                connection_, xcb_get_geometry(connection_, window), nullptr)) {
            width_ = geometry->width;
            height_ = geometry->height;
            std::free(geometry);
        }
        // Drawing that reached the window before it counted as ours.
        if (const auto &drawn = watched_[window].firstDrawnMs)
            paintedMs_ = std::max(*drawn, at);
    }

    std::string titleOf(xcb_window_t window)
    {
        for (const xcb_atom_t atom : {netWmName_, xcb_atom_t(XCB_ATOM_WM_NAME)}) {
            xcb_get_property_reply_t *reply = xcb_get_property_reply(
                connection_,
                xcb_get_property(connection_, 0, window, atom, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
                nullptr);
            if (!reply)
                continue;
            const int length = xcb_get_property_value_length(reply);
            std::string title(static_cast<const char *>(xcb_get_property_value(reply)),
                              static_cast<size_t>(std::max(length, 0)));
            std::free(reply);
            if (!title.empty())
                return title;
        }
        return {};
    }

    std::pair<long, long> readMemory() const
    {
        long rss = -1;
        long anon = -1;
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string key;
        while (status >> key) {
            if (key == "VmRSS:")
                status >> rss;
            else if (key == "RssAnon:")
                status >> anon;
            status.ignore(1 << 16, '\n');
        }
        if (rss < 0)
            fail("cannot read the program's memory use");
        return {rss, anon};
    }

    bool programEnded()
    {
        if (ended_)
            return true;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            ended_ = true;
            exitStatus_ = status;
        }
        return ended_;
    }

    void stopProgram()
    {
        if (programEnded())
            return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 200; ++i) { // up to 2 s
            if (programEnded())
                return;
            ::usleep(10000);
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        ended_ = true;
    }

    const Options &options_;
    xcb_connection_t *connection_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t netWmName_ = 0;
    uint8_t damageNotify_ = 0;
    Clock::time_point start_;
    pid_t pid_ = -1;
    bool ended_ = false;
    int exitStatus_ = 0;
    std::map<xcb_window_t, Watched> watched_;
    xcb_window_t target_ = 0;
    std::string targetTitle_;
    std::optional<double> mappedMs_;
    std::optional<double> paintedMs_;
    int width_ = 0;
    int height_ = 0;
};

} // namespace

int main(int argc, char **argv)
{
    const Options options = parseOptions(argc, argv);
    Probe probe(options);
    return probe.run();
}
