// The window and GL context, graphics modes, the frame flip, system events, time and messages.
#include <GL/gl.h>
#include <SDL2/SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "engine/Internal.h"

namespace eng {

int vkFromScancode(SDL_Scancode sc);

namespace {

struct SystemState {
    bool videoInit = false;
    SDL_Window* window = nullptr;
    SDL_GLContext context = nullptr;
    bool suspended = false;
    bool terminate = false;
    bool headless = false;
    HeadlessConfig config;
    double virtualClock = 0;
    std::function<void()> frameHook, exitHook;
    uint64_t frames = 0;
    std::string title;
    Pixmap icon;
    double nextFrame = 0;  // the earliest time of the next presented frame (window mode)
};

SystemState Y;

double realMillis() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

bool ensureVideo() {
    if (Y.videoInit) return true;
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        Print(std::string("Could not start the video system: ") + SDL_GetError());
        return false;
    }
    Y.videoInit = true;
    SDL_StartTextInput();
    return true;
}

void applyIcon() {
    if (!Y.window || !Y.icon || Y.icon->width <= 0 || Y.icon->height <= 0) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        Y.icon->rgba.data(), Y.icon->width, Y.icon->height, 32, Y.icon->width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(Y.window, surface);
    SDL_FreeSurface(surface);
}

bool makeWindow(int w, int h, Uint32 extra) {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    Y.window = SDL_CreateWindow(Y.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                                SDL_WINDOW_OPENGL | extra);
    if (!Y.window) {
        Print(std::string("Could not open a window: ") + SDL_GetError());
        return false;
    }
    Y.context = SDL_GL_CreateContext(Y.window);
    if (!Y.context) {
        Print(std::string("Could not create an OpenGL 3.3 context: ") + SDL_GetError());
        SDL_DestroyWindow(Y.window);
        Y.window = nullptr;
        return false;
    }
    SDL_GL_MakeCurrent(Y.window, Y.context);
    applyIcon();
    gfx::onContextCreated();
    return true;
}

bool findMode(int w, int h, SDL_DisplayMode& out) {
    int n = SDL_GetNumDisplayModes(0);
    bool found = false;
    for (int i = 0; i < n; ++i) {
        SDL_DisplayMode m;
        if (SDL_GetDisplayMode(0, i, &m) != 0) continue;
        if (m.w == w && m.h == h && (!found || m.refresh_rate == 60)) {
            out = m;
            found = true;
        }
    }
    return found;
}

}  // namespace

namespace sys {
void* window() {
    return Y.window;
}
void windowSize(int& w, int& h) {
    w = h = 0;
    if (Y.window) SDL_GetWindowSize(Y.window, &w, &h);
}
bool audioWanted() {
    return !Y.headless || Y.config.audio;
}
}  // namespace sys

void DesktopSize(int& width, int& height) {
    width = height = 0;
    if (!ensureVideo()) return;
    SDL_DisplayMode m;
    if (SDL_GetDesktopDisplayMode(0, &m) == 0) {
        width = m.w;
        height = m.h;
    }
}

bool Graphics(int width, int height, int depth, int hertz, int flags) {
    if (!ensureVideo() || width <= 0 || height <= 0) return false;
    int dw = 0, dh = 0;
    DesktopSize(dw, dh);
    if (depth == 0) {
        if (dw > 0 && (width > dw || height > dh)) return false;
        if (!Y.window) {
            if (!makeWindow(width, height, 0)) return false;
        } else {
            SDL_SetWindowFullscreen(Y.window, 0);
            SDL_SetWindowSize(Y.window, width, height);
            SDL_SetWindowPosition(Y.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
        SDL_GL_SetSwapInterval(0);
    } else {
        const bool desktop = (width == dw && height == dh);
        SDL_DisplayMode mode;
        if (!desktop && !findMode(width, height, mode)) return false;
        if (!Y.window && !makeWindow(width, height, 0)) return false;
        if (!desktop) SDL_SetWindowDisplayMode(Y.window, &mode);
        // Size the window itself too: without a window manager nobody else resizes it.
        SDL_SetWindowSize(Y.window, width, height);
        SDL_SetWindowPosition(Y.window, 0, 0);
        if (SDL_SetWindowFullscreen(Y.window,
                                    desktop ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_FULLSCREEN) != 0)
            return false;
        SDL_GL_SetSwapInterval(1);
    }
    SDL_ShowWindow(Y.window);
    SDL_RaiseWindow(Y.window);
    // The window system applies a new size a moment later: wait (briefly) until it has.
    const int wantW = depth == 0 ? width : (width == dw && height == dh ? dw : width);
    const int wantH = depth == 0 ? height : (width == dw && height == dh ? dh : height);
    int rw = 0, rh = 0;
    for (int tries = 0; tries < 100; ++tries) {
        PollSystem();
        int ww = 0, wh = 0;
        SDL_GetWindowSize(Y.window, &ww, &wh);
        if (ww == wantW && wh == wantH) break;
        SDL_Delay(5);
    }
    SDL_GL_GetDrawableSize(Y.window, &rw, &rh);
    // Some drivers resize the back buffer only at a buffer swap: present one black frame.
    glClearColor(0, 0, 0, 1);
    glDisable(GL_SCISSOR_TEST);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapWindow(Y.window);
    gfx::onModeChanged(rw, rh);
    Y.nextFrame = realMillis();
    return true;
}

bool GraphicsOpen() {
    return Y.window != nullptr;
}

int GraphicsWidth() {
    int w = 0, h = 0;
    if (Y.window) SDL_GL_GetDrawableSize(Y.window, &w, &h);
    return w;
}

int GraphicsHeight() {
    int w = 0, h = 0;
    if (Y.window) SDL_GL_GetDrawableSize(Y.window, &w, &h);
    return h;
}

void Flip(int sync) {
    gfx::beginPresent();
    if (Y.frameHook) Y.frameHook();
    if (Y.window) SDL_GL_SwapWindow(Y.window);
    ++Y.frames;
    if (Y.headless) {
        Y.virtualClock += Y.config.clockStep;
        return;
    }
    // At most 60 frames a second: sleep until the frame's time, carrying the remainder over.
    const double step = 1000.0 / 60.0;
    Y.nextFrame += step;
    double now = realMillis();
    if (Y.nextFrame > now) {
        std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(Y.nextFrame - now));
    } else if (now - Y.nextFrame > 100) {
        Y.nextFrame = now;  // a long stall: start counting afresh
    }
}

void PollSystem() {
    if (!Y.videoInit) return;
    SDL_Event e;
    int ww = 0, wh = 0;
    sys::windowSize(ww, wh);
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
            case SDL_QUIT:
                Y.terminate = true;
                break;
            case SDL_WINDOWEVENT:
                if (e.window.event == SDL_WINDOWEVENT_CLOSE) Y.terminate = true;
                if (Y.headless) break;
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                    e.window.event == SDL_WINDOWEVENT_MINIMIZED)
                    Y.suspended = true;
                if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                    e.window.event == SDL_WINDOWEVENT_RESTORED)
                    Y.suspended = false;
                break;
            case SDL_KEYDOWN:
            case SDL_KEYUP:
                if (!Y.headless)
                    input::keyEvent(vkFromScancode(e.key.keysym.scancode), e.type == SDL_KEYDOWN,
                                    e.key.repeat != 0);
                break;
            case SDL_TEXTINPUT:
                if (!Y.headless)
                    for (uint32_t c : DecodeUtf8(e.text.text)) input::charEvent(c);
                break;
            case SDL_MOUSEMOTION:
                if (!Y.headless && ww > 0 && wh > 0)
                    input::mouseMoveVirtual(e.motion.x * VirtualResolutionWidth() / ww,
                                            e.motion.y * VirtualResolutionHeight() / wh);
                break;
            case SDL_MOUSEBUTTONDOWN:
            case SDL_MOUSEBUTTONUP:
                if (!Y.headless) {
                    int b = e.button.button == SDL_BUTTON_LEFT     ? 1
                            : e.button.button == SDL_BUTTON_RIGHT  ? 2
                            : e.button.button == SDL_BUTTON_MIDDLE ? 3
                                                                   : 0;
                    input::mouseButtonEvent(b, e.type == SDL_MOUSEBUTTONDOWN);
                }
                break;
            case SDL_MOUSEWHEEL:
                if (!Y.headless) input::mouseWheelEvent(e.wheel.y);
                break;
            default:
                break;
        }
    }
}

bool AppSuspended() {
    return Y.suspended;
}

bool AppTerminate() {
    bool t = Y.terminate;
    Y.terminate = false;
    return t;
}

void MoveMouse(int x, int y) {
    float vx, vy;
    input::logicalToVirtual(static_cast<float>(x), static_cast<float>(y), vx, vy);
    input::mouseMoveVirtual(vx, vy);
    if (Y.headless || !Y.window) return;
    int ww = 0, wh = 0;
    sys::windowSize(ww, wh);
    if (VirtualResolutionWidth() > 0 && VirtualResolutionHeight() > 0)
        SDL_WarpMouseInWindow(Y.window, static_cast<int>(vx * ww / VirtualResolutionWidth()),
                              static_cast<int>(vy * wh / VirtualResolutionHeight()));
}

void ShowMouse() {
    if (Y.videoInit) SDL_ShowCursor(SDL_ENABLE);
}
void HideMouse() {
    if (Y.videoInit) SDL_ShowCursor(SDL_DISABLE);
}

void Notify(const std::string& text, bool serious) {
    if (Y.headless || !Y.videoInit) {
        Print("[message] " + text);
        return;
    }
    Print("[message] " + text);
    SDL_ShowSimpleMessageBox(serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION,
                             Y.title.empty() ? "Message" : Y.title.c_str(), text.c_str(), Y.window);
}

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

namespace {
std::string logPath;
std::vector<std::string> earlyWarnings;  // kept until the log has a place

void appendToLog(const std::string& text) {
    if (FILE* f = std::fopen(logPath.c_str(), "ab")) {
        std::fwrite(text.data(), 1, text.size(), f);
        std::fputc('\n', f);
        std::fclose(f);
    }
}
}  // namespace

void Warn(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
    if (logPath.empty())
        earlyWarnings.push_back(text);
    else
        appendToLog(text);
}

void SetLogFile(const std::string& path) {
    logPath = path;
    if (FILE* f = std::fopen(logPath.c_str(), "wb")) std::fclose(f);
    for (const std::string& text : earlyWarnings) appendToLog(text);
    earlyWarnings.clear();
}

void End(int code) {
    if (Y.exitHook) {
        auto hook = std::move(Y.exitHook);
        hook();
    }
    shutdownAudio();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(code);
}

void SetAppTitle(const std::string& title) {
    Y.title = title;
    if (Y.window) SDL_SetWindowTitle(Y.window, title.c_str());
}
void SetAppIcon(const Pixmap& icon) {
    Y.icon = icon;
    applyIcon();
}

std::string AppTitle() {
    return Y.title;
}

int64_t MilliSecs() {
    if (Y.headless) return static_cast<int64_t>(Y.virtualClock);
    return static_cast<int64_t>(realMillis());
}

void Delay(int ms) {
    if (ms <= 0) return;
    if (Y.headless) {
        Y.virtualClock += ms;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SetHeadless(const HeadlessConfig& config) {
    Y.headless = true;
    Y.config = config;
    Y.virtualClock = static_cast<double>(config.clockStart);
}
bool IsHeadless() {
    return Y.headless;
}
void InjectSuspended(bool suspended) {
    Y.suspended = suspended;
}
void InjectCloseRequest() {
    Y.terminate = true;
}
void SetFrameHook(std::function<void()> hook) {
    Y.frameHook = std::move(hook);
}
void SetExitHook(std::function<void()> hook) {
    Y.exitHook = std::move(hook);
}
uint64_t FrameCount() {
    return Y.frames;
}

}  // namespace eng
