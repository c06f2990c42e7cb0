// cBaseWidget's level editor: copying the selection into the editor's clipboard and
// pasting it back as new objects, each paste a little further up and to the right.
#include "engine/files/byte_stream.h"
#include "engine/log/log.h"
#include "framework/app/middle.h"
#include "framework/objects/object.h"
#include "framework/widgets/base_widget.h"
#include "framework/widgets/editor_keys.h"
#include "framework/widgets/level_file.h"
#include "framework/widgets/level_reader.h"

namespace {

constexpr const char* kSender = "cBaseWidget";
constexpr size_t kTypeIdBytes = 4;

}  // namespace

uint32_t cBaseWidget::LevelVersion()
{
    cMiddle* middle = GetMiddle();
    return middle != nullptr ? static_cast<uint32_t>(middle->GetLimit43()) : kLevelFileVersion;
}

void cBaseWidget::CopySelection()
{
    clipboard_ = vrk::cByteStream{};
    // Last selected first, as the editor always stored them.
    for (auto object = selection_.rbegin(); object != selection_.rend(); ++object) {
        clipboard_.WriteInt32(static_cast<uint32_t>((*object)->GetTypeId()));
        (*object)->Save(clipboard_);
    }
    pasteOffset_ = vec2{editor_step::kPasteShift, editor_step::kPasteShift};
}

void cBaseWidget::PasteClipboard()
{
    RewindStream(clipboard_);
    selection_.clear();
    const uint32_t version = LevelVersion();
    // Records have no length of their own: after a record that cannot be read the
    // rest of the clipboard would be read from the wrong place, so pasting stops.
    for (;;) {
        const size_t size = clipboard_.Bytes().size();
        if (clipboard_.Cursor() > size || size - clipboard_.Cursor() < kTypeIdBytes) break;
        const auto type = static_cast<int32_t>(clipboard_.ReadInt32());
        cObject* object = CreateObject(type, 0);
        if (object == nullptr) {
            vrk::LogWrite(kSender, "^5", "Paste stopped: object type %i cannot be created",
                          vrk::FormatArg::FromInt(type));
            break;
        }
        if (!object->Load(clipboard_, version)) {
            vrk::LogWrite(kSender, "^5", "Paste stopped: the record of object type %i is cut off",
                          vrk::FormatArg::FromInt(type));
            RemoveObject(object);
            break;
        }
        object->MoveV(pasteOffset_);
        selection_.push_back(object);
    }
    pasteOffset_ += vec2{editor_step::kPasteShift, editor_step::kPasteShift};
}
