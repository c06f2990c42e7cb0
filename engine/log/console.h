// The developer console: a panel that slides down from the top of the virtual screen.
// It keeps every line the log writes, runs its input line as Lua, completes commands
// from "{StaticPath}/conf/concom.txt" with Tab and walks the commands entered before.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/log/console_sink.h"
#include "engine/text/format_arg.h"

namespace vrk {

class cFont;
class VertexBatch;

class Console : public ConsoleSink {
public:
    static constexpr float kDefaultWidth = 1024.0f;
    static constexpr float kDefaultTop = 768.0f;
    static constexpr float kDefaultMaxHeight = kDefaultTop * 5.0f / 6.0f;
    static constexpr const char* kFontName = "a_fontsystem14";
    static constexpr const char* kCommandFile = "{StaticPath}/conf/concom.txt";

    // Tells whether the key that selects the whole-page scroll (left Ctrl) is held.
    using ControlKeyTest = bool (*)();

    // Reads the command list; the file is never written.
    explicit Console(float width = kDefaultWidth, float top = kDefaultTop,
                     float maxHeight = kDefaultMaxHeight);
    ~Console() override;
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Formats and appends; text after the last line end stays an unfinished line that
    // the next call extends. Returns the number of lines held.
    int32_t AddLine(const char* format, const FormatArg& a1, const FormatArg& a2) override;
    // Editing, history and scrolling; every key is consumed while the panel is open.
    bool OnKey(int virtualKey);
    // The backtick toggles the panel; other characters are typed while it is open.
    bool OnChar(uint32_t character);
    // True when the text ran as Lua without error.
    bool Execute(const std::string& text);
    // Slides the panel by dt seconds and draws it through the renderer.
    void Draw(float dt);

    // Replaces the left-Ctrl test (tests have no keyboard).
    void SetControlKeyTest(ControlKeyTest test) { controlKeyTest_ = test; }

    const std::vector<std::string>& Lines() const { return lines_; }
    const std::vector<std::string>& Commands() const { return commands_; }
    const std::string& Input() const { return input_; }
    int32_t Cursor() const { return cursor_; }
    int32_t HistoryIndex() const { return historyIndex_; }
    int32_t TotalLines() const { return totalLines_; }
    int32_t VisibleLines() const { return visibleLines_; }
    int32_t ScrollPosition() const { return scrollPosition_; }
    float OpenHeight() const { return openHeight_; }
    float SlideSpeed() const { return slideSpeed_; }
    bool IsOpen() const { return openHeight_ > 0.0f; }

private:
    void ReadCommands();
    void ToggleSlide();
    void TypeCharacter(uint32_t character);
    void CompleteCommand();
    void EnterInput();
    void WalkHistory(int32_t step);
    void ScrollUp();
    void ScrollDown();
    void SetInput(const std::string& text);
    int32_t InputLength() const;
    void Slide(float dt, float lineHeight);
    void DrawPanel(const cFont& font, float lineHeight);
    void DrawLines(VertexBatch& batch, const cFont& font, float lineHeight, float bottom);

    std::vector<std::string> lines_;
    int32_t totalLines_ = 0;
    int32_t visibleLines_ = 0;
    int32_t scrollPosition_ = 0;

    std::vector<std::string> commands_;
    int32_t historyIndex_ = 0;

    std::string input_;
    int32_t cursor_ = 0;  // in code points

    float openHeight_ = 0.0f;
    float slideSpeed_ = 0.0f;
    float width_;
    float top_;
    float maxHeight_;

    // Not owning: the font registry owns its fonts; a font it drops is looked up again.
    std::weak_ptr<cFont> font_;
    // Made on the first draw of an open panel; the panel flushes it itself.
    std::unique_ptr<VertexBatch> batch_;

    // Reused by every AddLine: the formatted text and the line not yet ended.
    std::string formatted_;
    std::string unfinished_;

    ControlKeyTest controlKeyTest_;
};

}  // namespace vrk
