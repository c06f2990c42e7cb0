// cByteStream: the engine's binary record format. Values are appended to a byte
// buffer and read back in the same order with a cursor; level files, the profile
// list and player files are such streams saved whole.
//
// Encoding, little-endian, no alignment or tags: byte 1 byte; 32-bit integer 4
// bytes; float the 4 bytes of its IEEE-754 single; string a 16-bit length then the
// bytes. Lengths read back as signed, so strings hold at most kMaxStringBytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vrk {

class cByteStream {
public:
    static constexpr size_t kMaxStringBytes = 32767;

    // Writers append at the end whatever the cursor.
    void WriteByte(uint8_t value);
    void WriteInt32(uint32_t value);
    void WriteFloat(float value);
    // A longer string is cut to kMaxStringBytes at a UTF-8 character boundary
    // (with a warning), so the fields after it stay readable.
    void WriteString(const std::string& value);

    // Readers read at the cursor. A byte wanted at or past the end reads as 0 and
    // leaves the cursor where it is; no reader reports an error.
    uint32_t ReadInt32();
    void ReadFloat(float& value);
    std::string ReadString();

    // 0 success, 2 cannot be opened, 3 empty or unreadable, 4 larger than
    // kMaxFileBytes (logged). A disk file's size is looked at before any byte is
    // read, so a file too large costs no memory.
    int LoadFromFile(const std::string& path);
    // The same with a lower bound than kMaxFileBytes: 4 when the file is larger.
    int LoadFromFile(const std::string& path, uint64_t maxBytes);
    // 0 success, 2 not written; the previous file survives a failure.
    int SaveToFile(const std::string& path) const;

    const std::vector<unsigned char>& Bytes() const { return bytes_; }
    uint32_t Cursor() const { return cursor_; }

private:
    uint8_t ReadNextByte();

    std::vector<unsigned char> bytes_;
    uint32_t cursor_ = 0;
};

}  // namespace vrk
