// Starts a program on the X display and reports how it starts, one
// "name value" line each:
//   map_ms        from the start of the process to its first window being mapped
//   frame_ms      to the first drawing into that window
//   cpu_to_map_ms CPU time the process used until its window was mapped
//   rss_kb        resident memory after the settle time
//   anon_kb       of it, anonymous memory (the heap and its like)
//   idle_cpu_ms   CPU time used during the idle time that follows
//   wakeups       context switches of all its threads during the idle time
//   start_flushes drawings into the window for the first level start (the
//                 burst after another window, the splash, went away)
//   start_kpixels the thousands of pixels those drawings flushed
//   slot_error_ms how far the animation's frames, 50 ms apart, came from
//                 their slots at worst
// usage: gurx-startprobe SETTLE_MS IDLE_MS PROGRAM [ARGS...]
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// User and system CPU of the whole process, in milliseconds.
double CpuMilliseconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text;
  std::getline(stat, text);
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  unsigned long long user = 0, system = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i == 14) user = std::stoull(field);
    if (i == 15) system = std::stoull(field);
  }
  return 1000.0 * static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

long StatusValue(const std::string& path, const std::string& name) {
  std::ifstream status(path);
  for (std::string line; std::getline(status, line);)
    if (line.rfind(name + ":", 0) == 0) return std::stol(line.substr(name.size() + 1));
  return 0;
}

long ContextSwitches(pid_t pid) {
  long total = 0;
  const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks))
    total += StatusValue(task.path() / "status", "voluntary_ctxt_switches") +
             StatusValue(task.path() / "status", "nonvoluntary_ctxt_switches");
  return total;
}

pid_t Start(char** argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    std::freopen("/dev/null", "w", stdout);
    std::freopen("/dev/null", "w", stderr);
    execvp(argv[0], argv);
    std::perror(argv[0]);
    _exit(127);
  }
  return pid;
}

struct TDrawing {
  double Time;  // ms from the start
  long Pixels;
  bool Complete;
};

// Follows the root window: every new top-level window gets a damage object,
// so its first drawing is seen even when it comes before the map.
class TWatcher {
 public:
  TWatcher() : connection_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(connection_)) throw std::runtime_error("no X display");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    const auto* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present) throw std::runtime_error("no damage extension");
    damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    free(xcb_damage_query_version_reply(connection_, xcb_damage_query_version(connection_, 1, 1),
                                        nullptr));
    xcb_flush(connection_);
  }
  ~TWatcher() { xcb_disconnect(connection_); }

  // The next event, if one comes within the wait.
  xcb_generic_event_t* NextEvent(int waitMs) {
    if (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) return event;
    pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
    poll(&fd, 1, waitMs);
    return nullptr;
  }

  // Waits for the first mapped window and its first drawing; false on timeout.
  bool Wait(Clock::time_point start, pid_t pid, double& mapMs, double& frameMs, double& cpuToMap) {
    xcb_window_t mapped = XCB_NONE;
    while (MillisecondsSince(start) < 20000) {
      xcb_generic_event_t* event = NextEvent(50);
      if (!event) continue;
      const int type = event->response_type & 0x7f;
      if (type == XCB_CREATE_NOTIFY) {
        const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
        xcb_damage_create(connection_, xcb_generate_id(connection_), created->window,
                          XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        xcb_flush(connection_);
      } else if (type == XCB_MAP_NOTIFY && mapped == XCB_NONE) {
        mapped = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        mapMs = MillisecondsSince(start);
        cpuToMap = CpuMilliseconds(pid);
      } else if (type == damageEvent_ && mapped != XCB_NONE &&
                 reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable == mapped) {
        frameMs = MillisecondsSince(start);
        free(event);
        mapped_ = mapped;
        return true;
      }
      free(event);
    }
    return false;
  }

  // The times of the drawings into the first window over the next while, and
  // of the last time another window went away.
  void Follow(Clock::time_point start, int durationMs, std::vector<TDrawing>& drawings,
              double& otherGone) {
    const double end = MillisecondsSince(start) + durationMs;
    while (MillisecondsSince(start) < end) {
      xcb_generic_event_t* event = NextEvent(10);
      if (!event) continue;
      const int type = event->response_type & 0x7f;
      if (type == XCB_UNMAP_NOTIFY &&
          reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window != mapped_)
        otherGone = MillisecondsSince(start);
      if (type == damageEvent_) {
        const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event);
        // One drawing may come as several rectangles; the last has no "more" bit.
        if (damage->drawable == mapped_) {
          if (drawings.empty() || drawings.back().Complete)
            drawings.push_back({MillisecondsSince(start), 0, false});
          drawings.back().Pixels += long{damage->area.width} * damage->area.height;
          drawings.back().Complete = !(damage->level & 0x80);
        }
      }
      free(event);
    }
  }

 private:
  xcb_connection_t* connection_;
  xcb_window_t root_;
  xcb_window_t mapped_ = XCB_NONE;
  int damageEvent_ = 0;
};

// The level start: the drawings from the first one after the splash went
// to the last phase of the water's flow. Its six phases are drawn 50 ms
// apart, so the flow ends with the fifth gap of 40 ms or more.
struct TLevelStart {
  int Flushes = 0;
  long Pixels = 0;
  double SlotError = 0;
};

TLevelStart LevelStart(const std::vector<TDrawing>& drawings, double splashGone) {
  constexpr int PhaseGaps = 5;
  TLevelStart start;
  int gaps = 0;
  double last = -1;
  for (const auto& [time, pixels, complete] : drawings) {
    if (time < splashGone) continue;
    if (last >= 0 && time - last >= 40) {
      start.SlotError = std::max(start.SlotError, std::abs(time - last - 50));
      ++gaps;
    }
    ++start.Flushes;
    start.Pixels += pixels;
    last = time;
    if (gaps == PhaseGaps) break;
  }
  return start;
}

}  // namespace

int Probe(char** argv) {
  const int settleMs = std::atoi(argv[1]), idleMs = std::atoi(argv[2]);
  TWatcher watcher;
  const auto start = Clock::now();
  const pid_t pid = Start(argv + 3);
  double mapMs = 0, frameMs = 0, cpuToMap = 0;
  const bool seen = watcher.Wait(start, pid, mapMs, frameMs, cpuToMap);
  if (seen) {
    std::vector<TDrawing> drawings;
    double splashGone = 0;
    watcher.Follow(start, settleMs, drawings, splashGone);
    const TLevelStart levelStart = LevelStart(drawings, splashGone);
    const std::string status = "/proc/" + std::to_string(pid) + "/status";
    const long rss = StatusValue(status, "VmRSS"), anon = StatusValue(status, "RssAnon");
    const double cpuBefore = CpuMilliseconds(pid);
    const long switchesBefore = ContextSwitches(pid);
    std::this_thread::sleep_for(std::chrono::milliseconds(idleMs));
    std::cout << "map_ms " << mapMs << "\nframe_ms " << frameMs << "\ncpu_to_map_ms " << cpuToMap
              << "\nrss_kb " << rss << "\nanon_kb " << anon << "\nidle_cpu_ms "
              << CpuMilliseconds(pid) - cpuBefore << "\nwakeups "
              << ContextSwitches(pid) - switchesBefore << "\nstart_flushes " << levelStart.Flushes
              << "\nstart_kpixels " << levelStart.Pixels / 1000 << "\nslot_error_ms "
              << levelStart.SlotError << "\n";
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  if (!seen) std::cerr << "no window was mapped and drawn\n";
  return seen ? 0 : 1;
}

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: gurx-startprobe SETTLE_MS IDLE_MS PROGRAM [ARGS...]\n";
    return 2;
  }
  try {
    return Probe(argv);
  } catch (const std::exception& error) {
    std::cerr << "gurx-startprobe: " << error.what() << "\n";
    return 1;
  }
}
