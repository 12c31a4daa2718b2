// The engine facade: the only door from the game to the window, the GPU, audio, input and files.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace eng {

// ---------------------------------------------------------------- handles

struct ImageData;
struct PixmapData;
struct FontData;
struct SoundData;
struct ChannelData;

using Image = std::shared_ptr<ImageData>;
using ImageFont = std::shared_ptr<FontData>;
using Sound = std::shared_ptr<SoundData>;
using Channel = std::shared_ptr<ChannelData>;

// A picture in memory, RGBA, 8 bits per channel, rows top to bottom.
struct PixmapData {
    int width = 0;
    int height = 0;
    bool hasAlpha = true;  // false for pictures decoded from files without an alpha channel
    std::vector<uint8_t> rgba;
};
using Pixmap = std::shared_ptr<PixmapData>;

// Image flags.
constexpr int MASKEDIMAGE = 1;
constexpr int FILTEREDIMAGE = 2;
constexpr int MIPMAPPEDIMAGE = 4;
constexpr int DYNAMICIMAGE = 8;

// Blend modes.
constexpr int MASKBLEND = 1;
constexpr int SOLIDBLEND = 2;
constexpr int ALPHABLEND = 3;
constexpr int LIGHTBLEND = 4;
constexpr int SHADEBLEND = 5;

// ---------------------------------------------------------------- graphics mode and frame

// Opens a window (depth 0) or a full-screen mode (depth 32). Returns false when the mode
// cannot be opened; opening again replaces the current mode and keeps every image valid.
bool Graphics(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
bool GraphicsOpen();
int GraphicsWidth();  // real pixels of the open mode
int GraphicsHeight();
void DesktopSize(int& width, int& height);

void Flip(int sync = -1);
void Cls();
void SetClsColor(int r, int g, int b);
void GetClsColor(int& r, int& g, int& b);
void SetViewport(int x, int y, int w, int h);  // in virtual units
void GetViewport(int& x, int& y, int& w, int& h);
void SetOrigin(float x, float y);
void GetOrigin(float& x, float& y);
void SetVirtualResolution(float w, float h);
float VirtualResolutionWidth();
float VirtualResolutionHeight();
// Copies part of the back buffer, given in drawing coordinates (origin applied), into a
// pixmap of w x h pixels: the real pixels are resampled to the requested size.
Pixmap GrabPixmap(int x, int y, int w, int h);

// ---------------------------------------------------------------- drawing state

void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetRotation(float degrees);
float GetRotation();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
void SetLineWidth(float width);
void SetImageFont(const ImageFont& font);  // null selects the built-in font
ImageFont GetImageFont();

// ---------------------------------------------------------------- drawing

void DrawImage(const Image& image, float x, float y, int frame = 0);
void DrawImageRect(const Image& image, float x, float y, float w, float h, int frame = 0);
void DrawSubImageRect(const Image& image, float x, float y, float w, float h, float sx, float sy, float sw,
                      float sh, float hx = 0, float hy = 0, int frame = 0);
void DrawRect(float x, float y, float w, float h);
void DrawLine(float x1, float y1, float x2, float y2, bool drawLastPixel = true);
void DrawOval(float x, float y, float w, float h);
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);

// Counters of the renderer, for benchmarks and tests.
struct RenderStats {
    int drawCalls = 0;  // GPU draw submissions in the last finished frame
    int quads = 0;      // quads in the last finished frame
    int textures = 0;   // live GPU textures (atlas pages and own textures)
};
RenderStats GetRenderStats();
// Sends the pending batch to the GPU now (benchmarks measure the submission with it).
void FlushDrawing();

// ---------------------------------------------------------------- images and fonts

Image LoadImage(const std::string& path, int flags = -1);
Image LoadImage(const Pixmap& pixmap, int flags = -1);
Image LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first, int count,
                    int flags = -1);
Image LoadAnimImage(const Pixmap& pixmap, int cellWidth, int cellHeight, int first, int count,
                    int flags = -1);
int ImageWidth(const Image& image);
int ImageHeight(const Image& image);
int ImageFrames(const Image& image);
int ImageFlags(const Image& image);
void SetImageHandle(const Image& image, float x, float y);
void GetImageHandle(const Image& image, float& x, float& y);
void MidHandleImage(const Image& image);
void SetMaskColor(int r, int g, int b);
// The pixels of one frame (after masking), for tests and tools.
Pixmap ImagePixmap(const Image& image, int frame = 0);

Pixmap LoadPixmap(const std::string& path);  // PNG or JPEG, null on failure
bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path);

ImageFont LoadImageFont(const std::string& path, int size, int style = 4);

// ---------------------------------------------------------------- collisions

void ResetCollisions(uint32_t mask = 0);
std::vector<const void*> CollideImage(const Image& image, float x, float y, int frame, uint32_t collideMask,
                                      uint32_t writeMask, const void* id = nullptr);

// ---------------------------------------------------------------- input (Windows virtual-key numbers)

int KeyHit(int key);
bool KeyDown(int key);
int GetChar();
void FlushKeys();
int MouseHit(int button);
bool MouseDown(int button);
int MouseX();  // logical units: the virtual position minus the logical offset
int MouseY();
int MouseZ();
void MoveMouse(int x, int y);
void FlushMouse();
// The offset of the logical screen inside the virtual one (set by the logical-screen mapping).
void SetLogicalOffset(float x, float y);

// ---------------------------------------------------------------- sound

Sound LoadSound(const std::string& path, int flags = 0);
Channel CueSound(const Sound& sound);
Channel PlaySound(const Sound& sound);
void ResumeChannel(const Channel& channel);
void PauseChannel(const Channel& channel);
void StopChannel(const Channel& channel);
bool ChannelPlaying(const Channel& channel);
void SetChannelVolume(const Channel& channel, float volume);
bool AudioAvailable();  // false when no device could be opened: sounds then play silently

// ---------------------------------------------------------------- time, random numbers, mathematics

int64_t MilliSecs();
void Delay(int ms);
void SeedRnd(uint64_t seed);
int Rand(int min, int max);
int Rand(int max);  // 1..max
double Rnd(double min, double max);
double Rnd(double max = 1.0);  // 0..max
double Sin(double degrees);
double Cos(double degrees);
double ATan2(double y, double x);
double Sqr(double v);
double Abs(double v);
int Sgn(double v);

// ---------------------------------------------------------------- files, folders and text

// Paths are found without regard to letter case when the exact spelling is missing.
std::string ResolvePath(const std::string& path);
int FileType(const std::string& path);  // 0 nothing, 1 file, 2 folder
bool CreateDir(const std::string& path, bool recurse = false);
// Copies a folder tree; with `onlyNewer` a file already at the destination is replaced only by a newer one.
bool CopyDir(const std::string& source, const std::string& destination, bool onlyNewer = false);
bool DeleteFile(const std::string& path);
// Moves a file to another name in the same folder, replacing what was there; false when it cannot.
bool RenameFile(const std::string& from, const std::string& to);
// When the file was last written, in seconds since 1970; 0 when there is no such file.
int64_t FileTime(const std::string& path);
std::vector<std::string> ReadDir(const std::string& path);  // names, sorted
bool ReadFileBytes(const std::string& path, std::string& bytes);
// Every picture, font, sound or text file that could not be loaded since the last call, in order, and
// forgets them (the content test runs the whole loading sequence and expects none).
std::vector<std::string> TakeLoadFailures();
// Whole file as UTF-8 text. Encoding by byte-order mark (UTF-16 LE/BE, UTF-8), else Latin-1.
// LoadText ends the program when the file cannot be read; TryLoadText reports false instead.
std::string LoadText(const std::string& path);
bool TryLoadText(const std::string& path, std::string& text);
// Writes UTF-8 text as Latin-1 when every character is below 256, else as UTF-16 LE with FF FE.
// The file is written beside its target and renamed into place; a failed write keeps the old file,
// prints a message and returns false.
bool SaveText(const std::string& text, const std::string& path);
std::string RealPath(const std::string& path);
std::string StripDir(const std::string& path);
std::string StripExt(const std::string& path);
std::string StripAll(const std::string& path);
std::string ExtractDir(const std::string& path);
std::string ExtractExt(const std::string& path);
std::string CurrentDir();
bool ChangeDir(const std::string& path);
std::string HomeDataFolder();  // $XDG_DATA_HOME, else ~/.local/share; empty when neither is known

// ---------------------------------------------------------------- text helpers (UTF-8)

std::vector<uint32_t> DecodeUtf8(const std::string& text);
std::string EncodeUtf8(const std::vector<uint32_t>& codes);
void AppendUtf8(std::string& out, uint32_t code);
std::string Upper(const std::string& text);
std::string Lower(const std::string& text);
std::string Trim(const std::string& text);  // drops characters below code 33 at both ends

// ---------------------------------------------------------------- system

void PollSystem();
bool AppSuspended();
bool AppTerminate();
void ShowMouse();
void HideMouse();
void Notify(const std::string& text, bool serious = false);
void Print(const std::string& text);
// A problem the player or a developer should know of: to the standard error and to the log file.
void Warn(const std::string& text);
// Starts a fresh log at `path` holding the warnings given so far; later warnings are added as they come.
void SetLogFile(const std::string& path);
// Ends the program; a non-zero code tells launchers and scripts that it ended on an error.
[[noreturn]] void End(int code = 0);
void SetAppTitle(const std::string& title);
// The window's icon, for the window open now and every window opened later; null keeps none.
void SetAppIcon(const Pixmap& icon);
std::string AppTitle();
std::string AppFile();

// ---------------------------------------------------------------- headless mode (tools and tests)

struct HeadlessConfig {
    int64_t clockStart = 1000000;      // the virtual clock's first reading
    double clockStep = 1000.0 / 60.0;  // advanced at every Flip
    bool audio = false;                // false: no device, sounds play silently
};
// Switches the engine to headless mode before anything else runs: a virtual millisecond clock,
// input only from the Inject calls, no frame-rate wait, message boxes printed instead of shown.
void SetHeadless(const HeadlessConfig& config);
bool IsHeadless();
void InjectMouseMove(float x, float y);  // logical units
void InjectMouseButton(int button, bool down);
void InjectMouseWheel(int notches);
void InjectKey(int key, bool down);
void InjectText(const std::string& utf8);
void InjectSuspended(bool suspended);
void InjectCloseRequest();
// Called at every Flip, before the frame is presented (a grab then sees the finished frame).
void SetFrameHook(std::function<void()> hook);
// Called by End() before the process exits.
void SetExitHook(std::function<void()> hook);
uint64_t FrameCount();

}  // namespace eng
