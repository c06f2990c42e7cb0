// The developer console's text side: collecting log lines, the command list, and the
// input line with its editing keys, completion and history. Drawing lives in
// console_draw.cpp.
#include "engine/log/console.h"

#include <algorithm>
#include <cstddef>

#include "engine/files/file_system.h"
#include "engine/files/text_file.h"
#include "engine/render/font.h"
#include "engine/render/vertex_batch.h"
#include "engine/script/script.h"
#include "engine/text/text_format.h"
#include "engine/text/text_parse.h"
#include "engine/text/utf.h"
#include "port/window/input_state.h"
#include "port/window/virtual_keys.h"

namespace vrk {

namespace {

constexpr uint32_t kToggleCharacter = '`';
// Opening or closing from end to end takes half a second.
constexpr float kSlideSpeedFactor = 2.0f;
constexpr uint32_t kLastCharacterCode = 0xFFFF;
constexpr uint32_t kSurrogateFirst = 0xD800;
constexpr uint32_t kSurrogateLast = 0xDFFF;

bool LeftControlHeld()
{
    return port::IsKeyDown(port::vk::kLeftControl);
}

// The first count code points of text (all of it when it is shorter).
std::string Utf8Prefix(const std::string& text, int32_t count)
{
    return Utf8Erase(text, static_cast<size_t>(std::max(count, 0)), std::string::npos);
}

// text without its first count code points.
std::string Utf8Suffix(const std::string& text, int32_t count)
{
    return Utf8Erase(text, 0, static_cast<size_t>(std::max(count, 0)));
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

}  // namespace

Console::Console(float width, float top, float maxHeight)
    : width_(width), top_(top), maxHeight_(maxHeight), controlKeyTest_(LeftControlHeld)
{
    ReadCommands();
    historyIndex_ = static_cast<int32_t>(commands_.size());
}

Console::~Console() = default;

void Console::ReadCommands()
{
    if (!FileExists(kCommandFile)) return;
    std::string text;
    if (ReadTextFile(text, kCommandFile) != 0) return;
    commands_ = SplitString(text, "\n");
    // A file saved with CR LF line ends must not leave a CR at the end of each
    // command: Tab would put it into the input line.
    for (std::string& command : commands_) {
        if (!command.empty() && command.back() == '\r') command.pop_back();
    }
    commands_.erase(std::remove(commands_.begin(), commands_.end(), std::string()), commands_.end());
}

int32_t Console::AddLine(const char* format, const FormatArg& a1, const FormatArg& a2)
{
    formatted_.clear();
    FormatString(formatted_, format, a1, a2);

    // The unfinished line was stored as the last line so that it shows; it is taken
    // back and extended by this text.
    if (!unfinished_.empty() && !lines_.empty()) lines_.pop_back();
    for (const char byte : formatted_) {
        if (byte == '\n' || byte == '\r') {
            lines_.push_back(unfinished_);
            unfinished_.clear();
        } else {
            unfinished_.push_back(byte);
        }
    }
    if (!unfinished_.empty()) lines_.push_back(unfinished_);

    totalLines_ = static_cast<int32_t>(std::min<size_t>(lines_.size(), INT32_MAX));
    scrollPosition_ = totalLines_;
    return totalLines_;
}

bool Console::OnChar(uint32_t character)
{
    if (character == kToggleCharacter) {
        ToggleSlide();
        return true;
    }
    if (!IsOpen()) return false;
    TypeCharacter(character);
    return true;
}

void Console::ToggleSlide()
{
    if (openHeight_ <= 0.0f) {
        slideSpeed_ = maxHeight_ * kSlideSpeedFactor;
    } else if (openHeight_ < maxHeight_) {
        slideSpeed_ = -slideSpeed_;
    } else {
        slideSpeed_ = -maxHeight_ * kSlideSpeedFactor;
    }
}

void Console::TypeCharacter(uint32_t character)
{
    const std::shared_ptr<cFont> font = font_.lock();
    if (!font || character > kLastCharacterCode) return;
    // A lone surrogate has no UTF-8 form of its own.
    if (character >= kSurrogateFirst && character <= kSurrogateLast) return;
    if (!font->HasGlyph(character)) return;
    const char16_t unit = static_cast<char16_t>(character);
    const std::string encoded = WideToUtf8(&unit, &unit + 1);
    const int32_t cursor = std::clamp(cursor_, 0, InputLength());
    input_ = Utf8Prefix(input_, cursor) + encoded + Utf8Suffix(input_, cursor);
    cursor_ = cursor + 1;
}

bool Console::OnKey(int virtualKey)
{
    if (!IsOpen()) return false;
    cursor_ = std::clamp(cursor_, 0, InputLength());
    switch (virtualKey) {
    case port::vk::kBack:
        if (cursor_ >= 1) {
            --cursor_;
            input_ = Utf8Erase(input_, static_cast<size_t>(cursor_), 1);
        }
        break;
    case port::vk::kTab: CompleteCommand(); break;
    case port::vk::kReturn: EnterInput(); break;
    case port::vk::kHome: cursor_ = 0; break;
    case port::vk::kEnd: cursor_ = InputLength(); break;
    case port::vk::kLeft:
        if (cursor_ > 0) --cursor_;
        break;
    case port::vk::kRight:
        if (cursor_ < InputLength()) ++cursor_;
        break;
    case port::vk::kUp: WalkHistory(-1); break;
    case port::vk::kDown: WalkHistory(1); break;
    case port::vk::kPageUp: ScrollUp(); break;
    case port::vk::kPageDown: ScrollDown(); break;
    case port::vk::kDelete:
        if (cursor_ < InputLength()) input_ = Utf8Erase(input_, static_cast<size_t>(cursor_), 1);
        break;
    default: break;
    }
    return true;
}

void Console::CompleteCommand()
{
    // The latest command wins, so a recently entered one is offered before the
    // file's list.
    for (auto it = commands_.rbegin(); it != commands_.rend(); ++it) {
        if (StartsWith(*it, input_)) {
            SetInput(*it);
            return;
        }
    }
}

void Console::EnterInput()
{
    // A copy: the script may log, and nothing it does should reach the text it runs.
    const std::string entered = input_;
    Execute(entered);
    // Kept even when it failed, so a typing error can be fixed from the history.
    if (!entered.empty() && (commands_.empty() || commands_.back() != entered)) {
        commands_.push_back(entered);
    }
    historyIndex_ = static_cast<int32_t>(commands_.size());
    input_.clear();
    cursor_ = 0;
}

void Console::WalkHistory(int32_t step)
{
    const auto count = static_cast<int32_t>(commands_.size());
    historyIndex_ = std::clamp(historyIndex_, 0, count);
    if (step < 0) {
        if (historyIndex_ > 0) --historyIndex_;
        if (historyIndex_ < count) SetInput(commands_[static_cast<size_t>(historyIndex_)]);
        else cursor_ = InputLength();
        return;
    }
    if (historyIndex_ < count) ++historyIndex_;
    SetInput(historyIndex_ == count ? std::string() : commands_[static_cast<size_t>(historyIndex_)]);
}

void Console::ScrollUp()
{
    if (controlKeyTest_ && controlKeyTest_()) {
        scrollPosition_ = std::clamp(visibleLines_ - 1, 0, totalLines_);
        return;
    }
    int32_t position = scrollPosition_ - 1;
    position = std::max(position, visibleLines_ - 1);
    position = std::min(position, totalLines_);
    scrollPosition_ = std::max(position, 0);
}

void Console::ScrollDown()
{
    if (controlKeyTest_ && controlKeyTest_()) {
        scrollPosition_ = totalLines_;
        return;
    }
    scrollPosition_ = std::min(scrollPosition_ + 1, totalLines_);
}

bool Console::Execute(const std::string& text)
{
    return cScript::RunBuffer(text) == 0;
}

void Console::SetInput(const std::string& text)
{
    input_ = text;
    cursor_ = InputLength();
}

int32_t Console::InputLength() const
{
    return static_cast<int32_t>(std::min<size_t>(Utf8Length(input_), INT32_MAX));
}

}  // namespace vrk
