// A pattern matcher with Lua 5.1's pattern language and results, and a count of its
// steps that ends a call before it can hold the game. Lua errors leave these frames
// by a long jump, so nothing here has a destructor.
#include "engine/script/bounded_patterns.h"

#include <lua.hpp>

#include <cctype>
#include <cstddef>
#include <cstring>

#include "engine/script/script_run.h"

namespace vrk {
namespace {

constexpr char kEscape = '%';
constexpr const char* kSpecials = "^$*+?.([%-";
constexpr ptrdiff_t kCaptureUnfinished = -1;
constexpr ptrdiff_t kCapturePosition = -2;
constexpr const char* kTooComplex = "pattern too complex";

struct Capture {
    const char* init;
    ptrdiff_t length;
};

struct MatchState {
    const char* sourceInit;
    const char* sourceEnd;
    lua_State* state;
    int level;
    int depth;
    int64_t steps;
    Capture capture[LUA_MAXCAPTURES];
};

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

// The steps count against the call's own limit, whose error a script may catch, and
// against its run's budget, which no pcall outlasts: a loop of searches that each stop
// just short of the limit ends with the run.
void CountSteps(MatchState* ms, int64_t steps)
{
    ms->steps += steps;
    ChargeScriptRun(ms->state, steps);
    if (ms->steps > kPatternStepLimit) {
        luaL_error(ms->state, "%s: more than %d matching steps", kTooComplex, static_cast<int>(kPatternStepLimit));
    }
}

int CheckCapture(MatchState* ms, int index)
{
    index -= '1';
    if (index < 0 || index >= ms->level || ms->capture[index].length == kCaptureUnfinished) {
        return luaL_error(ms->state, "invalid capture index");
    }
    return index;
}

int CaptureToClose(MatchState* ms)
{
    for (int level = ms->level - 1; level >= 0; --level) {
        if (ms->capture[level].length == kCaptureUnfinished) return level;
    }
    return luaL_error(ms->state, "invalid pattern capture");
}

const char* ClassEnd(MatchState* ms, const char* p)
{
    switch (*p++) {
    case kEscape:
        if (*p == '\0') luaL_error(ms->state, "malformed pattern (ends with '%%')");
        return p + 1;
    case '[':
        if (*p == '^') p++;
        do {
            if (*p == '\0') luaL_error(ms->state, "malformed pattern (missing ']')");
            if (*(p++) == kEscape && *p != '\0') p++;
        } while (*p != ']');
        return p + 1;
    default:
        return p;
    }
}

bool MatchClass(int c, int classLetter)
{
    bool result = false;
    switch (std::tolower(classLetter)) {
    case 'a': result = std::isalpha(c) != 0; break;
    case 'c': result = std::iscntrl(c) != 0; break;
    case 'd': result = std::isdigit(c) != 0; break;
    case 'l': result = std::islower(c) != 0; break;
    case 'p': result = std::ispunct(c) != 0; break;
    case 's': result = std::isspace(c) != 0; break;
    case 'u': result = std::isupper(c) != 0; break;
    case 'w': result = std::isalnum(c) != 0; break;
    case 'x': result = std::isxdigit(c) != 0; break;
    case 'z': result = c == 0; break;
    default: return classLetter == c;
    }
    return std::islower(classLetter) ? result : !result;
}

// `p` at the '[' of a set, `ec` at its ']'.
bool MatchBracketClass(int c, const char* p, const char* ec)
{
    bool found = true;
    if (*(p + 1) == '^') {
        found = false;
        p++;
    }
    while (++p < ec) {
        if (*p == kEscape) {
            p++;
            if (MatchClass(c, Byte(*p))) return found;
        } else if (*(p + 1) == '-' && p + 2 < ec) {
            p += 2;
            if (Byte(*(p - 2)) <= c && c <= Byte(*p)) return found;
        } else if (Byte(*p) == c) {
            return found;
        }
    }
    return !found;
}

bool SingleMatch(int c, const char* p, const char* ep)
{
    switch (*p) {
    case '.': return true;
    case kEscape: return MatchClass(c, Byte(*(p + 1)));
    case '[': return MatchBracketClass(c, p, ep - 1);
    default: return Byte(*p) == c;
    }
}

const char* Match(MatchState* ms, const char* s, const char* p);

const char* MatchBalance(MatchState* ms, const char* s, const char* p)
{
    if (*p == '\0' || *(p + 1) == '\0') luaL_error(ms->state, "unbalanced pattern");
    if (s >= ms->sourceEnd || *s != *p) return nullptr;
    const char open = *p;
    const char close = *(p + 1);
    int depth = 1;
    const char* start = s;
    while (++s < ms->sourceEnd) {
        if (*s == close) {
            if (--depth == 0) {
                CountSteps(ms, s - start);
                return s + 1;
            }
        } else if (*s == open) {
            depth++;
        }
    }
    CountSteps(ms, s - start);
    return nullptr;
}

const char* MaxExpand(MatchState* ms, const char* s, const char* p, const char* ep)
{
    ptrdiff_t count = 0;
    while (s + count < ms->sourceEnd && SingleMatch(Byte(*(s + count)), p, ep)) count++;
    CountSteps(ms, count);
    for (; count >= 0; --count) {
        if (const char* result = Match(ms, s + count, ep + 1)) return result;
    }
    return nullptr;
}

const char* MinExpand(MatchState* ms, const char* s, const char* p, const char* ep)
{
    for (;;) {
        if (const char* result = Match(ms, s, ep + 1)) return result;
        if (s < ms->sourceEnd && SingleMatch(Byte(*s), p, ep)) {
            s++;
        } else {
            return nullptr;
        }
    }
}

const char* StartCapture(MatchState* ms, const char* s, const char* p, ptrdiff_t what)
{
    const int level = ms->level;
    if (level >= LUA_MAXCAPTURES) luaL_error(ms->state, "too many captures");
    ms->capture[level].init = s;
    ms->capture[level].length = what;
    ms->level = level + 1;
    const char* result = Match(ms, s, p);
    if (result == nullptr) ms->level--;
    return result;
}

const char* EndCapture(MatchState* ms, const char* s, const char* p)
{
    const int level = CaptureToClose(ms);
    ms->capture[level].length = s - ms->capture[level].init;
    const char* result = Match(ms, s, p);
    if (result == nullptr) ms->capture[level].length = kCaptureUnfinished;
    return result;
}

const char* MatchCapture(MatchState* ms, const char* s, int index)
{
    index = CheckCapture(ms, index);
    const size_t length = static_cast<size_t>(ms->capture[index].length);
    CountSteps(ms, static_cast<int64_t>(length));
    if (static_cast<size_t>(ms->sourceEnd - s) >= length && std::memcmp(ms->capture[index].init, s, length) == 0) {
        return s + length;
    }
    return nullptr;
}

// One step of the pattern at `p` against the subject at `s`: the end of the match, or
// null. Items that need no backtracking loop here; the others recurse.
const char* MatchItems(MatchState* ms, const char* s, const char* p)
{
    for (;;) {
        CountSteps(ms, 1);
        switch (*p) {
        case '(':
            if (*(p + 1) == ')') return StartCapture(ms, s, p + 2, kCapturePosition);
            return StartCapture(ms, s, p + 1, kCaptureUnfinished);
        case ')':
            return EndCapture(ms, s, p + 1);
        case '\0':
            return s;
        case '$':
            if (*(p + 1) == '\0') return s == ms->sourceEnd ? s : nullptr;
            break;
        case kEscape:
            if (*(p + 1) == 'b') {
                s = MatchBalance(ms, s, p + 2);
                if (s == nullptr) return nullptr;
                p += 4;
                continue;
            }
            if (*(p + 1) == 'f') {
                p += 2;
                if (*p != '[') luaL_error(ms->state, "missing '[' after '%%f' in pattern");
                const char* ep = ClassEnd(ms, p);
                const char previous = s == ms->sourceInit ? '\0' : *(s - 1);
                const char current = s < ms->sourceEnd ? *s : '\0';
                if (MatchBracketClass(Byte(previous), p, ep - 1) || !MatchBracketClass(Byte(current), p, ep - 1)) {
                    return nullptr;
                }
                p = ep;
                continue;
            }
            if (std::isdigit(Byte(*(p + 1)))) {
                s = MatchCapture(ms, s, Byte(*(p + 1)));
                if (s == nullptr) return nullptr;
                p += 2;
                continue;
            }
            break;
        default:
            break;
        }
        const char* ep = ClassEnd(ms, p);
        const bool matched = s < ms->sourceEnd && SingleMatch(Byte(*s), p, ep);
        switch (*ep) {
        case '?':
            if (matched) {
                if (const char* result = Match(ms, s + 1, ep + 1)) return result;
            }
            p = ep + 1;
            continue;
        case '*':
            return MaxExpand(ms, s, p, ep);
        case '+':
            return matched ? MaxExpand(ms, s + 1, p, ep) : nullptr;
        case '-':
            return MinExpand(ms, s, p, ep);
        default:
            if (!matched) return nullptr;
            s++;
            p = ep;
            continue;
        }
    }
}

const char* Match(MatchState* ms, const char* s, const char* p)
{
    if (++ms->depth > kPatternDepthLimit) {
        luaL_error(ms->state, "%s: nested more than %d deep", kTooComplex, kPatternDepthLimit);
    }
    const char* result = MatchItems(ms, s, p);
    ms->depth--;
    return result;
}

void StartState(MatchState* ms, lua_State* state, const char* source, size_t length)
{
    ms->state = state;
    ms->sourceInit = source;
    ms->sourceEnd = source + length;
    ms->level = 0;
    ms->depth = 0;
    ms->steps = 0;
}

void PushOneCapture(MatchState* ms, int index, const char* s, const char* e)
{
    if (index >= ms->level) {
        if (index != 0) luaL_error(ms->state, "invalid capture index");
        lua_pushlstring(ms->state, s, static_cast<size_t>(e - s));
        return;
    }
    const ptrdiff_t length = ms->capture[index].length;
    if (length == kCaptureUnfinished) luaL_error(ms->state, "unfinished capture");
    if (length == kCapturePosition) {
        lua_pushinteger(ms->state, ms->capture[index].init - ms->sourceInit + 1);
    } else {
        lua_pushlstring(ms->state, ms->capture[index].init, static_cast<size_t>(length));
    }
}

int PushCaptures(MatchState* ms, const char* s, const char* e)
{
    const int levels = (ms->level == 0 && s != nullptr) ? 1 : ms->level;
    luaL_checkstack(ms->state, levels, "too many captures");
    for (int i = 0; i < levels; ++i) PushOneCapture(ms, i, s, e);
    return levels;
}

ptrdiff_t RelativePosition(ptrdiff_t position, size_t length)
{
    if (position < 0) position += static_cast<ptrdiff_t>(length) + 1;
    return position >= 0 ? position : 0;
}

// A plain search, its byte comparisons counted like matching steps, the bytes passed
// over in search of the first one too: else a loop of searches through a long text
// for a byte it lacks would take no step at all.
const char* FindPlain(MatchState* ms, const char* s, size_t length, const char* needle, size_t needleLength)
{
    if (needleLength == 0) return s;
    if (needleLength > length) return nullptr;
    const char* last = s + (length - needleLength);
    while (s <= last) {
        const void* first = std::memchr(s, needle[0], static_cast<size_t>(last - s) + 1);
        if (first == nullptr) {
            CountSteps(ms, last - s + 1);
            return nullptr;
        }
        CountSteps(ms, static_cast<const char*>(first) - s + static_cast<int64_t>(needleLength));
        s = static_cast<const char*>(first);
        if (std::memcmp(s + 1, needle + 1, needleLength - 1) == 0) return s;
        s++;
    }
    return nullptr;
}

int FindOrMatch(lua_State* state, bool find)
{
    size_t sourceLength = 0;
    size_t patternLength = 0;
    const char* source = luaL_checklstring(state, 1, &sourceLength);
    const char* pattern = luaL_checklstring(state, 2, &patternLength);
    ptrdiff_t init = RelativePosition(luaL_optinteger(state, 3, 1), sourceLength) - 1;
    if (init < 0) {
        init = 0;
    } else if (static_cast<size_t>(init) > sourceLength) {
        init = static_cast<ptrdiff_t>(sourceLength);
    }
    MatchState ms;
    StartState(&ms, state, source, sourceLength);
    if (find && (lua_toboolean(state, 4) || std::strpbrk(pattern, kSpecials) == nullptr)) {
        const char* found = FindPlain(&ms, source + init, sourceLength - static_cast<size_t>(init), pattern, patternLength);
        if (found != nullptr) {
            lua_pushinteger(state, found - source + 1);
            lua_pushinteger(state, found - source + static_cast<ptrdiff_t>(patternLength));
            return 2;
        }
    } else {
        const bool anchor = *pattern == '^';
        if (anchor) pattern++;
        const char* start = source + init;
        do {
            ms.level = 0;
            ms.depth = 0;
            if (const char* end = Match(&ms, start, pattern)) {
                if (find) {
                    lua_pushinteger(state, start - source + 1);
                    lua_pushinteger(state, end - source);
                    return PushCaptures(&ms, nullptr, nullptr) + 2;
                }
                return PushCaptures(&ms, start, end);
            }
        } while (start++ < ms.sourceEnd && !anchor);
    }
    lua_pushnil(state);
    return 1;
}

int Find(lua_State* state) { return FindOrMatch(state, true); }
int MatchFunction(lua_State* state) { return FindOrMatch(state, false); }

int GmatchNext(lua_State* state)
{
    size_t length = 0;
    const char* source = lua_tolstring(state, lua_upvalueindex(1), &length);
    const char* pattern = lua_tostring(state, lua_upvalueindex(2));
    MatchState ms;
    StartState(&ms, state, source, length);
    for (const char* start = source + static_cast<size_t>(lua_tointeger(state, lua_upvalueindex(3)));
         start <= ms.sourceEnd; start++) {
        ms.level = 0;
        ms.depth = 0;
        if (const char* end = Match(&ms, start, pattern)) {
            lua_Integer next = end - source;
            // An empty match moves on by one, or the loop would never end.
            if (end == start) next++;
            lua_pushinteger(state, next);
            lua_replace(state, lua_upvalueindex(3));
            return PushCaptures(&ms, start, end);
        }
    }
    return 0;
}

int Gmatch(lua_State* state)
{
    luaL_checkstring(state, 1);
    luaL_checkstring(state, 2);
    lua_settop(state, 2);
    lua_pushinteger(state, 0);
    lua_pushcclosure(state, GmatchNext, 3);
    return 1;
}

void AddReplacementText(MatchState* ms, luaL_Buffer* buffer, const char* s, const char* e)
{
    size_t length = 0;
    const char* replacement = lua_tolstring(ms->state, 3, &length);
    for (size_t i = 0; i < length; ++i) {
        if (replacement[i] != kEscape) {
            luaL_addchar(buffer, replacement[i]);
            continue;
        }
        i++;
        if (!std::isdigit(Byte(replacement[i]))) {
            luaL_addchar(buffer, replacement[i]);
        } else if (replacement[i] == '0') {
            luaL_addlstring(buffer, s, static_cast<size_t>(e - s));
        } else {
            PushOneCapture(ms, replacement[i] - '1', s, e);
            luaL_addvalue(buffer);
        }
    }
}

void AddReplacement(MatchState* ms, luaL_Buffer* buffer, const char* s, const char* e)
{
    lua_State* state = ms->state;
    switch (lua_type(state, 3)) {
    case LUA_TNUMBER:
    case LUA_TSTRING:
        AddReplacementText(ms, buffer, s, e);
        return;
    case LUA_TFUNCTION: {
        lua_pushvalue(state, 3);
        const int count = PushCaptures(ms, s, e);
        lua_call(state, count, 1);
        break;
    }
    case LUA_TTABLE:
        PushOneCapture(ms, 0, s, e);
        lua_gettable(state, 3);
        break;
    default:
        break;
    }
    if (!lua_toboolean(state, -1)) {
        lua_pop(state, 1);
        lua_pushlstring(state, s, static_cast<size_t>(e - s));
    } else if (!lua_isstring(state, -1)) {
        luaL_error(state, "invalid replacement value (a %s)", luaL_typename(state, -1));
    }
    luaL_addvalue(buffer);
}

int Gsub(lua_State* state)
{
    size_t length = 0;
    const char* source = luaL_checklstring(state, 1, &length);
    const char* pattern = luaL_checkstring(state, 2);
    const int replacementType = lua_type(state, 3);
    const int most = luaL_optint(state, 4, static_cast<int>(length + 1));
    const bool anchor = *pattern == '^';
    if (anchor) pattern++;
    luaL_argcheck(state,
                  replacementType == LUA_TNUMBER || replacementType == LUA_TSTRING ||
                      replacementType == LUA_TFUNCTION || replacementType == LUA_TTABLE,
                  3, "string/function/table expected");
    luaL_Buffer buffer;
    luaL_buffinit(state, &buffer);
    MatchState ms;
    StartState(&ms, state, source, length);
    int count = 0;
    while (count < most) {
        ms.level = 0;
        ms.depth = 0;
        const char* end = Match(&ms, source, pattern);
        if (end != nullptr) {
            count++;
            AddReplacement(&ms, &buffer, source, end);
        }
        if (end != nullptr && end > source) {
            source = end;
        } else if (source < ms.sourceEnd) {
            luaL_addchar(&buffer, *source++);
        } else {
            break;
        }
        if (anchor) break;
    }
    luaL_addlstring(&buffer, source, static_cast<size_t>(ms.sourceEnd - source));
    luaL_pushresult(&buffer);
    lua_pushinteger(state, count);
    return 2;
}

constexpr luaL_Reg kBoundedFunctions[] = {
    {"find", Find},
    {"match", MatchFunction},
    {"gmatch", Gmatch},
    {"gsub", Gsub},
};

}  // namespace

void ReplacePatternFunctions(lua_State* state)
{
    for (const luaL_Reg& function : kBoundedFunctions) {
        lua_pushcfunction(state, function.func);
        lua_setfield(state, -2, function.name);
    }
}

}  // namespace vrk
