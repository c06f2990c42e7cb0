// test::RecordingObject: a stand-in of one level kind (a worker 104, a walking enemy
// 116) that keeps every game event it is sent, for the tests of objects that talk to
// workers or enemies by kind before those classes take part.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "framework/objects/game_object.h"

namespace test {

class RecordingObject : public cGameObject {
public:
    RecordingObject(cObjectOwner* owner, int32_t kind, int32_t layer) : cGameObject(owner), kind_(kind)
    {
        layer_ = layer;
    }
    int32_t GetTypeId() const override { return kind_; }
    bool IsKindOf(int32_t id) const override { return id == kind_ || cGameObject::IsKindOf(id); }
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        if (code >= 7000 && code < 9000) received.emplace_back(code, data);
        return cGameObject::OnMessage(code, data);
    }
    // How many times the event came.
    size_t Count(uint32_t code) const
    {
        size_t count = 0;
        for (const auto& event : received) count += event.first == code ? 1 : 0;
        return count;
    }

    std::vector<std::pair<uint32_t, uintptr_t>> received;

private:
    int32_t kind_;
};

}  // namespace test
