// Watches a rectangle of the X screen while a program starts, for startup.py: grabs it every
// interval (an image of the root window, which on Xvfb holds what is on screen, Wine's virtual
// desktop and its windows included) and tells when something first appeared there and how far
// that first frame was from the frame the rectangle finally settled to.
//
//   grab_frames X Y WIDTH HEIGHT [--interval-us 2000] [--after-ms 1000] [--timeout-ms 60000] [--save PREFIX]
//
// Standard output: first "ready=T" once the background (the rectangle as it is before the program
// starts) is taken, then at the end "key=value" lines:
//   shared_memory                              1 when grabbing through MIT-SHM
//   grabs, interval_ms_mean, interval_ms_max   how often it really grabbed
//   appeared                                   1 when a frame differed from the background
//   appeared_at                                time of the first such frame
//   first_differs_percent                      pixels of that frame that differ from the final frame
//   first_background_percent                   pixels of that frame still equal to the background
//   settled_at                                 time of the last change (the final frame's first grab)
// Times are seconds since 1970 (CLOCK_REALTIME, the clock of Python's time.time()), each the middle
// of its grab's round trip. The grabbing ends --after-ms after the first change, after
// --timeout-ms without one, or on SIGTERM/SIGINT. --save writes the background, first and final
// frames as PREFIX-{background,first,final}.ppm.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

double Seconds(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// One frame as 0xRRGGBB values, row by row.
using Frame = std::vector<uint32_t>;

// Grabs through shared memory (MIT-SHM) where the server offers it: the server copies the pixels
// straight into this process, instead of sending them over the socket, which halves what a grab
// costs the machine while the measured program starts. Otherwise plain XGetImage.
class Grabber {
 public:
  Grabber(Display* display, int x, int y, int width, int height)
      : display_(display), root_(DefaultRootWindow(display)), x_(x), y_(y), width_(width), height_(height) {
    int screen = DefaultScreen(display);
    if (!XShmQueryExtension(display)) return;
    shmImage_ =
        XShmCreateImage(display, DefaultVisual(display, screen), static_cast<unsigned>(DefaultDepth(display, screen)),
                        ZPixmap, nullptr, &shm_, static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (!shmImage_) return;
    shm_.shmid = shmget(IPC_PRIVATE, static_cast<size_t>(shmImage_->bytes_per_line) * static_cast<size_t>(height),
                        IPC_CREAT | 0600);
    if (shm_.shmid >= 0) {
      shm_.shmaddr = shmImage_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
      shm_.readOnly = False;
      attached_ = shm_.shmaddr != reinterpret_cast<char*>(-1) && XShmAttach(display, &shm_);
      XSync(display, False);
      shmctl(shm_.shmid, IPC_RMID, nullptr);  // freed once both sides detach
    }
    if (!attached_) {
      shmImage_->data = nullptr;
      XDestroyImage(shmImage_);
      shmImage_ = nullptr;
    }
  }

  ~Grabber() {
    if (!shmImage_) return;
    XShmDetach(display_, &shm_);
    XSync(display_, False);
    shmdt(shm_.shmaddr);
    shmImage_->data = nullptr;
    XDestroyImage(shmImage_);
  }

  Grabber(const Grabber&) = delete;
  Grabber& operator=(const Grabber&) = delete;

  bool SharedMemory() const { return shmImage_ != nullptr; }

  // Grabs the rectangle; `at` is the middle of the round trip in real time.
  bool Grab(Frame& frame, double& at) {
    double before = Seconds(CLOCK_REALTIME);
    XImage* image = shmImage_;
    if (image) {
      if (!XShmGetImage(display_, root_, image, x_, y_, AllPlanes)) return false;
    } else {
      image = XGetImage(display_, root_, x_, y_, static_cast<unsigned>(width_), static_cast<unsigned>(height_),
                        AllPlanes, ZPixmap);
      if (!image) return false;
    }
    double after = Seconds(CLOCK_REALTIME);
    at = (before + after) / 2;
    Convert(image, frame);
    if (image != shmImage_) XDestroyImage(image);
    return true;
  }

 private:
  void Convert(XImage* image, Frame& frame) const {
    frame.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    size_t i = 0;
    if (image->bits_per_pixel == 32 && image->red_mask == 0xFF0000 && image->green_mask == 0xFF00 &&
        image->blue_mask == 0xFF) {
      for (int row = 0; row < height_; ++row) {
        const char* line = image->data + static_cast<ptrdiff_t>(row) * image->bytes_per_line;
        for (int col = 0; col < width_; ++col) {
          uint32_t pixel;
          std::memcpy(&pixel, line + col * 4, 4);
          frame[i++] = pixel & 0xFFFFFF;
        }
      }
    } else {
      for (int row = 0; row < height_; ++row)
        for (int col = 0; col < width_; ++col)
          frame[i++] = static_cast<uint32_t>(XGetPixel(image, col, row)) & 0xFFFFFF;
    }
  }

  Display* display_;
  Window root_;
  int x_, y_, width_, height_;
  XShmSegmentInfo shm_{};
  XImage* shmImage_ = nullptr;
  bool attached_ = false;
};

size_t CountDifferent(const Frame& a, const Frame& b) {
  size_t count = 0;
  for (size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
  return count;
}

void SavePpm(const std::string& path, const Frame& frame, int width, int height) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  for (uint32_t pixel : frame) {
    unsigned char rgb[3] = {static_cast<unsigned char>(pixel >> 16), static_cast<unsigned char>(pixel >> 8),
                            static_cast<unsigned char>(pixel)};
    std::fwrite(rgb, 1, 3, file);
  }
  std::fclose(file);
}

void SleepUntil(double monotonicSeconds) {
  timespec until{};
  until.tv_sec = static_cast<time_t>(monotonicSeconds);
  until.tv_nsec = static_cast<long>((monotonicSeconds - static_cast<double>(until.tv_sec)) * 1e9);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) != 0 && !stopRequested) {
  }
}

int Usage() {
  std::fprintf(stderr,
               "usage: grab_frames X Y WIDTH HEIGHT [--interval-us N] [--after-ms N] [--timeout-ms N] "
               "[--save PREFIX]\n");
  return 2;
}

// Grabs until the rectangle first changed and `after` seconds more (or `timeout` without a change),
// then prints the results.
int Watch(Display* display, int x, int y, int width, int height, double interval, double after, double timeout,
          const std::string& savePrefix) {
  Grabber grabber(display, x, y, width, height);
  Frame background, frame, first;
  double at = 0;
  if (!grabber.Grab(background, at)) {
    std::fprintf(stderr, "grab_frames: cannot grab the rectangle\n");
    return 1;
  }
  std::printf("ready=%.6f\n", at);
  std::fflush(stdout);

  Frame* previous = &background;
  Frame last;
  bool appeared = false;
  double appearedAt = 0, settledAt = 0, firstGrabAt = at, lastAt = at, maxGap = 0;
  long grabs = 0;
  double start = Seconds(CLOCK_MONOTONIC), next = start, end = start + timeout;
  while (!stopRequested) {
    next += interval;
    double now = Seconds(CLOCK_MONOTONIC);
    if (next < now) next = now;  // a grab took longer than the interval: go on from now
    if (next > end) break;
    SleepUntil(next);
    if (stopRequested || !grabber.Grab(frame, at)) break;
    if (grabs++ == 0)
      firstGrabAt = at;
    else
      maxGap = std::max(maxGap, at - lastAt);
    lastAt = at;
    if (*previous != frame) {
      if (!appeared) {
        appeared = true;
        appearedAt = at;
        first = frame;
        end = Seconds(CLOCK_MONOTONIC) + after;
      }
      settledAt = at;
      last = frame;
      previous = &last;
    }
  }

  double pixels = static_cast<double>(background.size());
  std::printf("shared_memory=%d\n", grabber.SharedMemory() ? 1 : 0);
  std::printf("grabs=%ld\n", grabs);
  std::printf("interval_ms_mean=%.3f\n",
              grabs > 1 ? (lastAt - firstGrabAt) * 1e3 / static_cast<double>(grabs - 1) : 0.0);
  std::printf("interval_ms_max=%.3f\n", maxGap * 1e3);
  std::printf("appeared=%d\n", appeared ? 1 : 0);
  if (appeared) {
    std::printf("appeared_at=%.6f\n", appearedAt);
    std::printf("settled_at=%.6f\n", settledAt);
    std::printf("first_differs_percent=%.2f\n", 100.0 * static_cast<double>(CountDifferent(first, last)) / pixels);
    std::printf("first_background_percent=%.2f\n",
                100.0 * (pixels - static_cast<double>(CountDifferent(first, background))) / pixels);
  }
  if (!savePrefix.empty()) {
    SavePpm(savePrefix + "-background.ppm", background, width, height);
    if (appeared) {
      SavePpm(savePrefix + "-first.ppm", first, width, height);
      SavePpm(savePrefix + "-final.ppm", last, width, height);
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return Usage();
  int x = std::atoi(argv[1]), y = std::atoi(argv[2]), width = std::atoi(argv[3]), height = std::atoi(argv[4]);
  double interval = 0.002, after = 1.0, timeout = 60.0;
  std::string savePrefix;
  for (int i = 5; i + 1 < argc; i += 2) {
    std::string name = argv[i];
    if (name == "--interval-us")
      interval = std::atof(argv[i + 1]) * 1e-6;
    else if (name == "--after-ms")
      after = std::atof(argv[i + 1]) * 1e-3;
    else if (name == "--timeout-ms")
      timeout = std::atof(argv[i + 1]) * 1e-3;
    else if (name == "--save")
      savePrefix = argv[i + 1];
    else
      return Usage();
  }
  if (width <= 0 || height <= 0 || interval <= 0) return Usage();

  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "grab_frames: cannot open the display\n");
    return 1;
  }
  std::signal(SIGTERM, RequestStop);
  std::signal(SIGINT, RequestStop);
  int code = Watch(display, x, y, width, height, interval, after, timeout, savePrefix);
  XCloseDisplay(display);
  return code;
}
