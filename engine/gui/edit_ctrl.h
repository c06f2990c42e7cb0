// cEditCtrl: typing into a text of limited length, Backspace and Enter, and a
// selection of the whole text (a suggested text), which the first typed character
// or Backspace replaces. The drawn edit field derives from it and gives GetText and
// SetText their meaning.
#pragma once
#include <string>

#include "engine/gui/ctrl.h"

namespace vrk {

class cEditCtrl : public cCtrl {
public:
    static constexpr int32_t kDefaultMaxLength = 256;
    static constexpr const char* kTypingSound = "typing";

    cEditCtrl(cWindow* window, const std::string& name);

    int32_t OnEvent(int32_t code, intptr_t first, intptr_t second) override;
    // Nothing here, not even the text key.
    void SetText(const std::string& /*text*/, int32_t /*mode*/) override {}
    const char* GetClassName() const override { return "cEditCtrl"; }

    // Empty here.
    virtual std::string GetText() const { return std::string(); }
    virtual void SetMaxLength(int32_t count) { maxLength_ = count; }
    virtual int32_t GetMaxLength() const { return maxLength_; }

    // Selects the whole text as it is now: typing replaces it, Backspace empties it,
    // Enter keeps it. Moving the caret (a press on the field, the arrow keys, Home,
    // End) drops the selection and leaves the caret after the text.
    virtual void SelectAll() { selected_ = true; }
    bool IsAllSelected() const { return selected_; }

    // True for a code point that typing appends: not a control character, not one of
    // the characters the game keeps out of names, not a surrogate or beyond Unicode.
    static bool IsTypable(int64_t character);

protected:
    int32_t maxLength_ = kDefaultMaxLength;
    bool selected_ = false;

private:
    void OnKeyDown(intptr_t virtualKey);
    void OnCharacter(intptr_t character);
};

}  // namespace vrk
