// libopenmpt rendering and positioning. libopenmpt reports failures by exceptions;
// none of them leaves this file.
#include "port/audio/module_source.h"

#include <libopenmpt/libopenmpt.hpp>

#include <ostream>
#include <streambuf>

namespace port {

namespace {

// libopenmpt writes its loader notes to a stream; the layer has no use for them.
class DiscardBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
};

std::ostream& DiscardStream()
{
    static DiscardBuffer buffer;
    static std::ostream stream(&buffer);
    return stream;
}

constexpr int32_t kRepeatForever = -1;
constexpr int32_t kPlayOnce = 0;

}  // namespace

std::unique_ptr<ModuleSource> ModuleSource::Open(const void* data, size_t size)
{
    if (!data || size == 0)
        return nullptr;
    try {
        auto module = std::make_unique<openmpt::module>(data, size, DiscardStream());
        module->set_repeat_count(kPlayOnce);
        return std::unique_ptr<ModuleSource>(new ModuleSource(std::move(module)));
    } catch (...) {
        return nullptr;
    }
}

ModuleSource::ModuleSource(std::unique_ptr<openmpt::module> module) : module_(std::move(module)) {}

ModuleSource::~ModuleSource() = default;

size_t ModuleSource::Read(float* out, size_t frames)
{
    try {
        return module_->read_interleaved_stereo(kMixRate, frames, out);
    } catch (...) {
        return 0;
    }
}

bool ModuleSource::Rewind()
{
    return SetPosition({0, 0});
}

void ModuleSource::SetLooping(bool looping)
{
    try {
        module_->set_repeat_count(looping ? kRepeatForever : kPlayOnce);
    } catch (...) {
    }
}

ModulePosition ModuleSource::Position() const
{
    try {
        return {module_->get_current_order(), module_->get_current_row()};
    } catch (...) {
        return {};
    }
}

bool ModuleSource::SetPosition(ModulePosition position)
{
    try {
        if (position.order < 0 || position.order >= module_->get_num_orders() || position.row < 0)
            return false;
        const int32_t pattern = module_->get_order_pattern(position.order);
        if (pattern < 0 || pattern >= module_->get_num_patterns() ||
            position.row >= module_->get_pattern_num_rows(pattern))
            return false;
        module_->set_position_order_row(position.order, position.row);
        return true;
    } catch (...) {
        return false;
    }
}

int32_t ModuleSource::OrderCount() const
{
    try {
        return module_->get_num_orders();
    } catch (...) {
        return 0;
    }
}

}  // namespace port
