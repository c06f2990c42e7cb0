// ProfileReader: reads the profile files ("info.dat", "middle.dat") from the bytes
// of a loaded byte stream, in the stream's encoding, and knows how many bytes remain.
// Every count and string length is checked against that rest before anything is
// sized by it, so a damaged or hostile file can neither allocate without bound nor
// make a loop run past the end; such a file is reported as damaged instead.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ProfileReader {
public:
    // The bytes must outlive the reader.
    explicit ProfileReader(const std::vector<unsigned char>& bytes) : bytes_(bytes) {}

    // Like the byte stream, a value wanted past the end reads as 0: a short file
    // reads zeros from the point where it ends.
    uint8_t ReadByte();
    uint32_t ReadInt32();
    float ReadFloat();

    // A 16-bit length (signed, below 1 = empty) and the bytes. False, with an empty
    // text, when the length runs past the end. Invalid UTF-8 is replaced.
    bool ReadString(std::string& text);

    // A 32-bit count of elements of at least elementBytes bytes each. False when the
    // remaining bytes cannot hold that many; count is then 0.
    bool ReadCount(uint32_t& count, size_t elementBytes);

    size_t Remaining() const { return cursor_ < bytes_.size() ? bytes_.size() - cursor_ : 0; }

private:
    const std::vector<unsigned char>& bytes_;
    size_t cursor_ = 0;
};
