// The edit base: typing, Backspace and Enter, the whole-text selection they replace,
// and the notifications they post.
#include "engine/gui/edit_ctrl.h"

#include <iterator>

#include <utf8.h>

#include "engine/sound/sound.h"
#include "engine/text/utf.h"
#include "port/window/virtual_keys.h"

namespace vrk {

namespace {

constexpr int32_t kConsumed = 0;

// Characters the game never lets into a typed name.
constexpr int64_t kRefusedCharacters[] = {0x60, 0x7E, 0xA8, 0xB8};
constexpr int64_t kFirstPrintable = 0x20;
constexpr int64_t kDelete = 0x7F;
constexpr int64_t kSurrogateFirst = 0xD800;
constexpr int64_t kSurrogateLast = 0xDFFF;
constexpr int64_t kLastCodePoint = 0x10FFFF;

// Keys that move a caret: the field has its caret after the text only, so they
// just end a selection.
bool IsCaretKey(intptr_t virtualKey)
{
    return virtualKey == port::vk::kLeft || virtualKey == port::vk::kRight || virtualKey == port::vk::kHome ||
           virtualKey == port::vk::kEnd;
}

}  // namespace

cEditCtrl::cEditCtrl(cWindow* window, const std::string& name) : cCtrl(window, name) {}

bool cEditCtrl::IsTypable(int64_t character)
{
    // Control characters arrive for Backspace, Tab and Enter beside their key events;
    // typing them would put invisible bytes into the text.
    if (character < kFirstPrintable || character == kDelete) return false;
    if (character >= kSurrogateFirst && character <= kSurrogateLast) return false;
    if (character > kLastCodePoint) return false;
    for (const int64_t refused : kRefusedCharacters) {
        if (character == refused) return false;
    }
    return true;
}

int32_t cEditCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case kCtrlKeyDown:
        OnKeyDown(first);
        return kConsumed;
    case kCtrlChar:
        OnCharacter(first);
        return kConsumed;
    case kCtrlLeftDown:
        selected_ = false;
        return cCtrl::OnEvent(code, first, second);
    case kCtrlFocusLost:
        PostWindowEvent(kWndEditLostFocus, 0, id_);
        return cCtrl::OnEvent(code, first, second);
    default:
        return cCtrl::OnEvent(code, first, second);
    }
}

void cEditCtrl::OnKeyDown(intptr_t virtualKey)
{
    if (virtualKey == port::vk::kBack) {
        const std::string text = GetText();
        const bool wholeText = selected_;
        selected_ = false;
        if (text.empty()) return;
        SetText(wholeText ? std::string() : Utf8Erase(text, Utf8Length(text) - 1, 1), 0);
        PostWindowEvent(kWndEditChanged, 0, id_);
    } else if (virtualKey == port::vk::kReturn) {
        PostWindowEvent(kWndEditEnter, 0, id_);
    } else if (IsCaretKey(virtualKey)) {
        selected_ = false;
    }
}

void cEditCtrl::OnCharacter(intptr_t character)
{
    if (IsTypable(character)) {
        // Shift and the other keys that come before a character leave the selection;
        // the character itself replaces it.
        std::string text = selected_ ? std::string() : GetText();
        selected_ = false;
        if (Utf8Length(text) < static_cast<size_t>(maxLength_ < 0 ? 0 : maxLength_)) {
            try {
                utf8::append(static_cast<uint32_t>(character), std::back_inserter(text));
                SetText(text, 0);
                PostWindowEvent(kWndEditChanged, 0, id_);
            } catch (const std::exception&) {
                // Not reached for a checked code point; nothing is typed.
            }
        }
    }
    cSound typing(kTypingSound);
    typing.Play();
}

}  // namespace vrk
