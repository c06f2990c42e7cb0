// Synthetic SDL events go through the pump and come out as the shell's messages.
#include "port/window/event_translator.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "port/window/main_window.h"
#include "port/window/message_pump.h"
#include "tests/port/window/offscreen_video.h"

namespace port {

void PrintTo(const WindowMessage& m, std::ostream* os)
{
    *os << "{" << static_cast<int>(m.kind) << ", " << m.param1 << ", " << m.param2 << "}";
}

}  // namespace port

namespace {

using port::MessageKind;
using port::WindowMessage;

constexpr int kWidth = 640;
constexpr int kHeight = 480;

// Builds the event for a window id.
using EventMaker = std::function<SDL_Event(Uint32 windowId)>;

struct TranslationRow {
    const char* name;
    EventMaker make;
    std::vector<WindowMessage> expected;
};

SDL_Event WindowEvent(Uint32 id, Uint8 kind)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = id;
    event.window.event = kind;
    return event;
}

SDL_Event KeyDown(Uint32 id, SDL_Keycode key, Uint16 modifiers = KMOD_NONE)
{
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.windowID = id;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event Text(Uint32 id, const char* utf8)
{
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = id;
    SDL_strlcpy(event.text.text, utf8, sizeof(event.text.text));
    return event;
}

SDL_Event Motion(Uint32 id, int x, int y)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = id;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

SDL_Event Button(Uint32 id, Uint32 type, Uint8 button, int x, int y)
{
    SDL_Event event{};
    event.type = type;
    event.button.windowID = id;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = x;
    event.button.y = y;
    return event;
}

SDL_Event Plain(Uint32 type)
{
    SDL_Event event{};
    event.type = type;
    return event;
}

WindowMessage M(MessageKind kind, std::intptr_t p1 = 0, std::intptr_t p2 = 0)
{
    return WindowMessage{kind, p1, p2};
}

class EventTranslation : public test::OffscreenVideoTest,
                         public testing::WithParamInterface<TranslationRow> {
protected:
    void SetUp() override
    {
        OffscreenVideoTest::SetUp();
        port::WindowParams params;
        params.clientWidth = kWidth;
        params.clientHeight = kHeight;
        params.visible = false;
        window_ = port::MainWindow::Create(params, nullptr);
        ASSERT_NE(window_, nullptr);
        pump_.DiscardPending();  // the creation's own size message
    }

    std::vector<WindowMessage> Drain()
    {
        std::vector<WindowMessage> messages;
        WindowMessage message;
        while (pump_.TakeNext(message))
            messages.push_back(message);
        return messages;
    }

    std::unique_ptr<port::MainWindow> window_;
    port::MessagePump pump_;
};

TEST_P(EventTranslation, ProducesMessages)
{
    SDL_Event event = GetParam().make(window_->WindowId());
    ASSERT_EQ(SDL_PushEvent(&event), 1) << SDL_GetError();
    EXPECT_EQ(Drain(), GetParam().expected);
}

const std::intptr_t kCorner = port::PackPoint(kWidth - 1, kHeight - 1);

INSTANTIATE_TEST_SUITE_P(
    Events, EventTranslation,
    testing::Values(
        TranslationRow{"Close", [](Uint32 id) { return WindowEvent(id, SDL_WINDOWEVENT_CLOSE); },
                       {M(MessageKind::kClose)}},
        TranslationRow{"Quit", [](Uint32) { return Plain(SDL_QUIT); }, {M(MessageKind::kQuit)}},
        TranslationRow{"SizeChanged",
                       [](Uint32 id) { return WindowEvent(id, SDL_WINDOWEVENT_SIZE_CHANGED); },
                       {M(MessageKind::kSizeRestored, kWidth, kHeight)}},
        TranslationRow{"Restored",
                       [](Uint32 id) { return WindowEvent(id, SDL_WINDOWEVENT_RESTORED); },
                       {M(MessageKind::kSizeRestored, kWidth, kHeight)}},
        TranslationRow{"Minimized",
                       [](Uint32 id) { return WindowEvent(id, SDL_WINDOWEVENT_MINIMIZED); },
                       {M(MessageKind::kSizeMinimized)}},
        TranslationRow{"Maximized",
                       [](Uint32 id) { return WindowEvent(id, SDL_WINDOWEVENT_MAXIMIZED); },
                       {M(MessageKind::kSizeMaximized, kWidth, kHeight)}},
        TranslationRow{"FocusGained",
                       [](Uint32 id) { return WindowEvent(id, SDL_WINDOWEVENT_FOCUS_GAINED); },
                       {M(MessageKind::kActivate)}},
        TranslationRow{"FocusLost",
                       [](Uint32 id) { return WindowEvent(id, SDL_WINDOWEVENT_FOCUS_LOST); },
                       {M(MessageKind::kDeactivate)}},
        TranslationRow{"Exposed",
                       [](Uint32 id) { return WindowEvent(id, SDL_WINDOWEVENT_EXPOSED); }, {}},
        TranslationRow{"OtherWindowDropped",
                       [](Uint32 id) { return WindowEvent(id + 1000, SDL_WINDOWEVENT_CLOSE); },
                       {}},
        TranslationRow{"DisplayChange",
                       [](Uint32) {
                           SDL_Event event = Plain(SDL_DISPLAYEVENT);
                           event.display.event = SDL_DISPLAYEVENT_CONNECTED;
                           return event;
                       },
                       {M(MessageKind::kDisplayChange)}},
        TranslationRow{"Letter", [](Uint32 id) { return KeyDown(id, SDLK_q); },
                       {M(MessageKind::kKeyDown, 'Q')}},
        TranslationRow{"ArrowLeft", [](Uint32 id) { return KeyDown(id, SDLK_LEFT); },
                       {M(MessageKind::kKeyDown, 37)}},
        TranslationRow{"ReturnTypesCharacter", [](Uint32 id) { return KeyDown(id, SDLK_RETURN); },
                       {M(MessageKind::kKeyDown, 13), M(MessageKind::kChar, 13)}},
        TranslationRow{"BackspaceTypesCharacter",
                       [](Uint32 id) { return KeyDown(id, SDLK_BACKSPACE); },
                       {M(MessageKind::kKeyDown, 8), M(MessageKind::kChar, 8)}},
        TranslationRow{"TabTypesCharacter", [](Uint32 id) { return KeyDown(id, SDLK_TAB); },
                       {M(MessageKind::kKeyDown, 9), M(MessageKind::kChar, 9)}},
        TranslationRow{"EscapeTypesCharacter", [](Uint32 id) { return KeyDown(id, SDLK_ESCAPE); },
                       {M(MessageKind::kKeyDown, 27), M(MessageKind::kChar, 27)}},
        TranslationRow{"LeftControlAsGenericControl",
                       [](Uint32 id) { return KeyDown(id, SDLK_LCTRL, KMOD_LCTRL); },
                       {M(MessageKind::kKeyDown, 0x11)}},
        TranslationRow{"ControlHeldLetterStillKeyDown",
                       [](Uint32 id) { return KeyDown(id, SDLK_v, KMOD_LCTRL); },
                       {M(MessageKind::kKeyDown, 'V')}},
        TranslationRow{"AltHeldIsSystemKey",
                       [](Uint32 id) { return KeyDown(id, SDLK_TAB, KMOD_LALT); }, {}},
        TranslationRow{"F10IsSystemKey", [](Uint32 id) { return KeyDown(id, SDLK_F10); }, {}},
        TranslationRow{"F1Delivered", [](Uint32 id) { return KeyDown(id, SDLK_F1); },
                       {M(MessageKind::kKeyDown, 0x70)}},
        TranslationRow{"UnmappedKeyDropped", [](Uint32 id) { return KeyDown(id, SDLK_F13); }, {}},
        TranslationRow{"KeyUpIgnored",
                       [](Uint32 id) {
                           SDL_Event event = KeyDown(id, SDLK_a);
                           event.type = SDL_KEYUP;
                           return event;
                       },
                       {}},
        TranslationRow{"TextOneCharPerCodePoint", [](Uint32 id) { return Text(id, "a\xC3\xA4"); },
                       {M(MessageKind::kChar, 'a'), M(MessageKind::kChar, 0xE4)}},
        TranslationRow{"TextAstralDropped",
                       [](Uint32 id) { return Text(id, "\xF0\x9F\x98\x80" "b"); },
                       {M(MessageKind::kChar, 'b')}},
        TranslationRow{"MouseMove", [](Uint32 id) { return Motion(id, 10, 20); },
                       {M(MessageKind::kMouseMove, 0, port::PackPoint(10, 20))}},
        TranslationRow{"MouseMoveClampedLow", [](Uint32 id) { return Motion(id, -5, -7); },
                       {M(MessageKind::kMouseMove, 0, port::PackPoint(0, 0))}},
        TranslationRow{"MouseMoveClampedHigh", [](Uint32 id) { return Motion(id, 5000, 900); },
                       {M(MessageKind::kMouseMove, 0, kCorner)}},
        TranslationRow{"LeftDown",
                       [](Uint32 id) { return Button(id, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 3, 4); },
                       {M(MessageKind::kButtonDown, port::kMouseLeft, port::PackPoint(3, 4))}},
        TranslationRow{"MiddleDown",
                       [](Uint32 id) { return Button(id, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 3, 4); },
                       {M(MessageKind::kButtonDown, port::kMouseMiddle, port::PackPoint(3, 4))}},
        TranslationRow{"RightUpOutsideClamped",
                       [](Uint32 id) { return Button(id, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 700, -1); },
                       {M(MessageKind::kButtonUp, port::kMouseRight, port::PackPoint(kWidth - 1, 0))}},
        TranslationRow{"ExtraButtonIgnored",
                       [](Uint32 id) { return Button(id, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 3, 4); },
                       {}},
        TranslationRow{"WheelIgnored", [](Uint32) { return Plain(SDL_MOUSEWHEEL); }, {}}),
    [](const testing::TestParamInfo<TranslationRow>& info) { return std::string(info.param.name); });

TEST_F(EventTranslation, PostedMessagesComeBeforeWaitingInput)
{
    pump_.Post(M(MessageKind::kRebuildDevice));
    SDL_Event event = KeyDown(window_->WindowId(), SDLK_a);
    SDL_PushEvent(&event);
    pump_.PostQuit(0);
    EXPECT_EQ(Drain(), (std::vector<WindowMessage>{M(MessageKind::kRebuildDevice),
                                                   M(MessageKind::kQuit),
                                                   M(MessageKind::kKeyDown, 'A')}));
}

TEST_F(EventTranslation, DiscardPending_KeepsOnlyAQuit)
{
    pump_.Post(M(MessageKind::kRebuildDevice));
    SDL_Event key = KeyDown(window_->WindowId(), SDLK_a);
    SDL_PushEvent(&key);
    SDL_Event quit = Plain(SDL_QUIT);
    SDL_PushEvent(&quit);
    SDL_PushEvent(&key);
    pump_.DiscardPending();
    EXPECT_EQ(Drain(), std::vector<WindowMessage>{M(MessageKind::kQuit)});
    pump_.DiscardPending();
    EXPECT_TRUE(Drain().empty());
}

TEST_F(EventTranslation, WaitNext_ReturnsEventAlreadyQueued)
{
    SDL_Event event = WindowEvent(window_->WindowId(), SDL_WINDOWEVENT_CLOSE);
    SDL_PushEvent(&event);
    EXPECT_EQ(pump_.WaitNext(), M(MessageKind::kClose));
}

}  // namespace
