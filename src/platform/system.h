#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace vantor::platform {

// The window messages the game reacts to, in its own terms.
enum class Message : uint32_t {
    Create,       // the window was made
    Destroy,      // the window is gone; the default handling posts Quit
    Paint,        // the system wants a repaint (the game ignores it)
    ActivateApp,  // wParam: non-zero when the game became the active program
    SetCursor,    // the system asks which cursor to show
    KeyDown,      // wParam: virtual key (13 for Enter)
    Char,         // wParam: one typed character in Windows-1251
    SysCommand,   // wParam: the command; kScClose for the close box / Alt+F4
    Close,        // a close request sent from outside (no system command)
    Quit,         // the end of the message queue's life
    Other,
};

constexpr uint32_t kScClose = 0xF060;
constexpr uint32_t kVkReturn = 13;

struct Msg {
    Message message = Message::Other;
    uint32_t wParam = 0;
};

enum class OpenMode {
    Read,    // existing file, others may read it too
    Update,  // existing file, read and write, nobody else may open it
    Create,  // new or emptied file, read and write, nobody else may open it
    UpdateOrCreate,  // existing file, or a new empty one; otherwise like Update
};

enum class OpenError { None, NotFound, SharingViolation, AccessDenied, Other };

// An open file; closed when destroyed.
class File {
public:
    virtual ~File() = default;
    // Reads up to n bytes at the current position; returns how many were read.
    virtual uint32_t read(void* buffer, uint32_t n) = 0;
    // Writes n bytes at the current position; true when all were written.
    virtual bool write(const void* buffer, uint32_t n) = 0;
    // The file's size in bytes, or -1 when it cannot be told.
    virtual int64_t size() = 0;
    // Moves the position back to the start of the file.
    virtual bool rewind() = 0;
    // Makes what was written durable and, for files written through a
    // replacement, puts the new contents in place atomically. Called before close.
    virtual bool commit() = 0;
    // Empties the file; for files written through a replacement the old
    // contents stay on disk until commit. Leaves the position at the start.
    virtual bool truncate() { return false; }
    // Why the last failed write, truncate or commit failed, in the system's
    // words; empty when nothing failed or the system cannot tell.
    virtual std::string failure() const { return {}; }
};

// Window, messages, time, files, registry values, message boxes, launching.
class System {
public:
    virtual ~System() = default;

    // Makes the one game window with this title; Create arrives as the first message.
    virtual bool createWindow(const char* title) = 0;
    // Shows the window; activation arrives as an ActivateApp message.
    virtual void showWindow() = 0;
    // Destroys the window (default handling of Close and of SysCommand kScClose).
    virtual void destroyWindow() = 0;

    // Milliseconds since an arbitrary start; wraps at 2^32.
    virtual uint32_t ticks() = 0;
    // True when a message is waiting; never blocks.
    virtual bool peekMessage() = 0;
    // Takes the next message, waiting for one if none is there.
    virtual Msg getMessage() = 0;
    // Queues a Quit message with this exit code.
    virtual void postQuit(uint32_t exitCode) = 0;
    // Lets up to ms milliseconds pass; may return early when a message arrives.
    virtual void idle(uint32_t ms) = 0;
    // The frame pump finished one frame wait (headless counts frames here).
    virtual void frameDone() = 0;
    // Moves the system's own pointer (the game's pointer is its own business).
    virtual void setSystemCursorPos(int x, int y) = 0;

    // Opens a file by name in the current directory or by path. By default
    // the operating system's files with their sharing rules.
    virtual std::unique_ptr<File> openFile(const std::string& name, OpenMode mode,
                                           OpenError& error);

    // Reads a registry value (valueName empty: the key's default value) as
    // UTF-8 text, up to its first zero; false when the key or value is
    // missing. Callers limit the length themselves. By default the operating
    // system's answer.
    virtual bool queryRegistry(const std::string& key, const std::string& valueName,
                               std::string& text);

    // Shows a modal error box with one OK button; caption and text in UTF-8,
    // since the text may name a file in any script.
    virtual void messageBox(const char* caption, const char* text) = 0;
    // Starts a program without waiting for it. By default: says so on
    // stderr and starts it through the operating system when it exists.
    virtual void launch(const char* command);

protected:
    // The lines every backend writes on stderr, which scripts and tests look
    // for ("message box: CAPTION: TEXT", "launch: COMMAND", in UTF-8).
    // Each returns the line it wrote.
    static std::string noteMessageBox(const char* caption, const char* text);
    static std::string noteLaunch(const char* command);
};

}  // namespace vantor::platform
