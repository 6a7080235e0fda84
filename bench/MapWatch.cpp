// Starts a program and reports how long its window took to be mapped on the X display,
// then its resident memory once it has settled. Used by startup.sh, not a test.
//
//   mapwatch TITLE_PREFIX SETTLE_MS PROGRAM [ARGS...]
//
// Prints "map_ms=<milliseconds> rss_kb=<kilobytes>" and ends the program.
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string windowName(xcb_connection_t* connection, xcb_window_t window) {
  const xcb_get_property_cookie_t cookie = xcb_get_property(
      connection, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
  xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
  if (!reply) return {};
  std::string name(static_cast<const char*>(xcb_get_property_value(reply)),
                   static_cast<std::size_t>(xcb_get_property_value_length(reply)));
  std::free(reply);
  return name;
}

long residentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: mapwatch TITLE_PREFIX SETTLE_MS PROGRAM [ARGS...]\n");
    return 2;
  }
  const std::string prefix = argv[1];
  const int settleMs = std::atoi(argv[2]);
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    std::fprintf(stderr, "mapwatch: cannot open the display %s\n", std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "(none)");
    return 2;
  }
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(connection);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[3], argv + 3);
    _exit(127);
  }
  double mapMs = -1;
  while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
    const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
    const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
    std::free(event);
    if (!mapped || windowName(connection, window).rfind(prefix, 0) != 0) continue;
    mapMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    break;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
  const long rss = residentKilobytes(child);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  xcb_disconnect(connection);
  std::printf("map_ms=%.1f rss_kb=%ld\n", mapMs, rss);
  return mapMs < 0 ? 1 : 0;
}
