// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HandOver.h"

#include <cstdint>
#include <optional>

namespace {

constexpr std::uint32_t Version = 1;
// A null byte array, as the stream marks one: read as an empty one.
constexpr std::uint32_t Null = 0xffffffffu;
// More than any command line the system passes on (its arguments and
// environment together stay under a few megabytes): a count beyond this is
// damage, and is never waited for or made room for.
constexpr std::size_t LargestMessage = 64u << 20;

void Put32(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xff);
}

void PutBytes(std::string& out, const std::string& bytes)
{
    Put32(out, static_cast<std::uint32_t>(bytes.size()));
    out += bytes;
}

// Reads a message front to back; `Damaged` is set for counts past the
// largest message, `Short` when the bytes end first.
struct TReader
{
    std::string_view Bytes;
    std::size_t At = 0;
    bool Short = false, Damaged = false;

    std::optional<std::uint32_t> Read32()
    {
        if (Bytes.size() - At < 4) {
            Short = true;
            return std::nullopt;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value = value << 8 | static_cast<unsigned char>(Bytes[At++]);
        return value;
    }
    std::optional<std::string> ReadBytes()
    {
        const auto length = Read32();
        if (!length || *length == Null)
            return length ? std::optional<std::string>("") : std::nullopt;
        if (*length > LargestMessage - At) {
            Damaged = true;
            return std::nullopt;
        }
        if (Bytes.size() - At < *length) {
            Short = true;
            return std::nullopt;
        }
        At += *length;
        return std::string(Bytes.substr(At - *length, *length));
    }
};

} // namespace

std::string HandOverMessage(const THandOver& handOver)
{
    std::string out;
    Put32(out, Version);
    PutBytes(out, handOver.WorkingDir);
    Put32(out, static_cast<std::uint32_t>(handOver.Arguments.size()));
    for (const std::string& argument : handOver.Arguments)
        PutBytes(out, argument);
    return out;
}

THandOverRead ReadHandOver(std::string_view bytes)
{
    THandOverRead read;
    TReader in{bytes};
    const auto version = in.Read32();
    if (!version)
        return read;
    // Another version may be laid out otherwise: it is not read further.
    if (*version != Version) {
        read.Status = THandOverStatus::Unknown;
        read.Length = in.At;
        return read;
    }
    std::optional<std::string> dir = in.ReadBytes();
    const auto count = dir ? in.Read32() : std::nullopt;
    // Each argument takes four bytes at least.
    if (count && *count > (LargestMessage - in.At) / 4)
        in.Damaged = true;
    for (std::uint32_t i = 0; count && !in.Damaged && !in.Short && i < *count; ++i)
        if (auto argument = in.ReadBytes())
            read.Line.Arguments.push_back(std::move(*argument));
    if (in.Damaged || in.Short) {
        read.Status = in.Damaged ? THandOverStatus::Damaged : THandOverStatus::Incomplete;
        read.Line = THandOver();
        return read;
    }
    read.Status = THandOverStatus::Whole;
    read.Line.WorkingDir = std::move(*dir);
    read.Length = in.At;
    return read;
}
