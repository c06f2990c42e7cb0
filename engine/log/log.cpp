// The log calls every part of the system uses. They reach the logger through its global
// pointer and drop the entry when there is none (before the engine core exists or after).
#include "engine/log/log.h"

#include "engine/log/logger.h"

namespace vrk {
namespace {

constexpr const char* kPlainCode = "^6";

}  // namespace

void LogWrite(const char* sender, const char* code, const char* format, const FormatArg& a1, const FormatArg& a2)
{
    if (Logger* logger = GetLogger())
        logger->Write(sender, code, format, a1, a2);
}

void LogText(const char* sender, const char* format, const FormatArg& a)
{
    LogWrite(sender, kPlainCode, format, a);
}

void LogPlain(const char* format, const FormatArg& a)
{
    if (Logger* logger = GetLogger())
        logger->WritePlain(format, a);
}

}  // namespace vrk
