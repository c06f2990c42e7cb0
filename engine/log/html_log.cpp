// Writing of the HTML log page: head, styled entry lines, escaping and tail.
#include "engine/log/html_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "engine/files/file_system.h"
#include "engine/text/text_format.h"

namespace vrk {
namespace {

constexpr const char* kLogFolder = "{AppPath}";
constexpr const char* kLogFile = "{AppPath}/_log.html";

// Each head line ends in a blank and a line feed.
constexpr const char* kHeadLines[] = {
    "<!DOCTYPE html PUBLIC '-//W3C//DTD XHTML 1.0 Strict//EN' "
    "'http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd'>",
    "<html xmlns='http://www.w3.org/1999/xhtml'>",
    "<head>",
    "  <title>vrk15 log file</title>",
    "  <meta http-equiv='Content-Type' content='text/html; charset=utf-8' />",
    "  <style type='text/css'>",
    "    <!--",
    "    body { font-size:10pt; font-family:monospace; background-color: darkgray }",
    "    .error { color:darkred }",
    "    .warning { color:saddlebrown }",
    "    .sender { font-weight:bolder; color:white }",
    "    .text {}",
    "    .time { color:darkgreen }",
    "    -->",
    "  </style>",
    "</head>",
    "<body><p>",
};
constexpr const char* kTail = "</p></body>\n</html>\n";

// The span a "^digit" code opens; null for digits that open none ('6', non-digits).
const char* ColorSpan(char digit)
{
    switch (digit) {
    case '0': return "<span style='color:black'>";
    case '1': return "<span style='color:blue'>";
    case '2': return "<span style='color:green'>";
    case '3': return "<span style='color:lightblue'>";
    case '4': return "<span style='color:red'>";
    case '5': return "<span style='color:purple'>";
    case '7': return "<span style='color:white'>";
    default: return nullptr;
    }
}

// Opens for writing with the game's file mode (a plain fopen would leave it to the
// umask). A link planted at the log's place is never written through, and a pipe or
// device there is refused (O_NONBLOCK keeps a pipe from holding up the start). The
// log cannot report on its own file, so these refusals go to stderr.
std::FILE* OpenNewFile(const std::string& path)
{
    const int descriptor =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, kFileMode);
    if (descriptor < 0) {
        if (errno == ELOOP)
            std::fprintf(stderr, "Kelvara 2: the log file %s is a link; no log is written\n", path.c_str());
        return nullptr;
    }
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fprintf(stderr, "Kelvara 2: the log file %s is not a regular file; no log is written\n", path.c_str());
        ::close(descriptor);
        return nullptr;
    }
    ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = ::fdopen(descriptor, "wb");
    if (!file)
        ::close(descriptor);
    return file;
}

}  // namespace

HtmlLog::HtmlLog()
{
    // Without an application folder the path would fall back to the file-system root.
    if (ExpandPathMacros(kLogFolder).empty())
        return;
    CreateFolder(kLogFolder);
    file_.reset(OpenNewFile(ExpandPathMacros(kLogFile)));
    if (!file_)
        return;
    SetEveryoneFullAccess(kLogFile);
    for (const char* line : kHeadLines) {
        Write(line);
        Write(" \n");
    }
    Flush();
}

HtmlLog::~HtmlLog()
{
    Close();
}

void HtmlLog::WriteLine(const char* className, const char* sender, const char* format,
                        const FormatArg& a1, const FormatArg& a2)
{
    if (!file_)
        return;
    Write("<span class='sender'>");
    Write(sender ? sender : "");
    Write(": </span><span class='");
    Write(className ? className : "text");
    Write("'>");
    WriteText(format, a1, a2);
    // A colour span left open by the message would otherwise cross the line's own span.
    CloseColorSpan();
    Write("</span><br />\n");
    Flush();
}

void HtmlLog::WriteText(const char* format, const FormatArg& a1, const FormatArg& a2)
{
    if (!file_)
        return;
    formatBuffer_.clear();
    FormatString(formatBuffer_, format, a1, a2);
    WriteEscaped(formatBuffer_);
    Flush();
}

void HtmlLog::WriteEscaped(const std::string& text)
{
    if (!file_)
        return;
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    const size_t size = text.size();
    for (size_t i = 0; i < size; ++i) {
        const char c = text[i];
        switch (c) {
        case '\n':
            if (spanOpen_) {
                out += "</span>";
                spanOpen_ = false;
            }
            out += "<br />\n";
            break;
        case ' ': {
            const bool runOfBlanks = i == 0 || text[i - 1] == ' ' || (i + 1 < size && text[i + 1] == ' ');
            out += runOfBlanks ? "&nbsp;" : " ";
            break;
        }
        case '"': out += "&quot;"; break;
        case '&': out += "&amp;"; break;
        case '\'': out += "&#39;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '^': {
            if (spanOpen_) {
                out += "</span>";
                spanOpen_ = false;
            }
            if (i + 1 >= size) {
                i = size;  // a "^" that ends the text ends the writing
                break;
            }
            ++i;
            if (const char* span = ColorSpan(text[i])) {
                out += span;
                spanOpen_ = true;
            }
            break;
        }
        default:
            out += c;
            break;
        }
    }
    std::fwrite(out.data(), 1, out.size(), file_.get());
}

void HtmlLog::CloseColorSpan()
{
    if (!file_ || !spanOpen_)
        return;
    Write("</span>");
    spanOpen_ = false;
    Flush();
}

void HtmlLog::Close()
{
    if (!file_)
        return;
    Write(kTail);
    file_.reset();
}

void HtmlLog::Write(const char* text)
{
    std::fputs(text, file_.get());
}

void HtmlLog::Flush()
{
    std::fflush(file_.get());
}

}  // namespace vrk
