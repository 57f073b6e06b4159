/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#include "AAX_CChunkDataParser.h"
#include "AAX_CHostServices.h"

#include <cstring>
#include <stdexcept>

namespace
{
    // Indexed by value type, 1 to 5; a value of type 0 carries nothing and has no tag.
    const char* const tags[] = { nullptr, "f_", "l_", "d_", "s_", "r_" };

    constexpr size_t roundUp4 (size_t position) noexcept { return (position + 3) & ~size_t (3); }

    size_t valueSize (const AAX_CChunkDataParser::DataValue& value)
    {
        switch (value.mDataType)
        {
            case AAX_CChunkDataParser::kDoubleType: return 8;
            case AAX_CChunkDataParser::kShortType:  return 2;
            case AAX_CChunkDataParser::kStringType: return value.mStringValue.Length() + 1;
            default:                                return 4;
        }
    }

    /** Values of type 0 come only from reading tags this codec does not know (or
        padding): they hold no value, so writing them would only make entries that
        read back as something else. */
    bool isWritten (const AAX_CChunkDataParser::DataValue& value)
    {
        return value.mDataType >= AAX_CChunkDataParser::kFloatType && value.mDataType <= AAX_CChunkDataParser::kStringType;
    }

    /** The bytes a value takes in the data, padding included. */
    size_t slotSize (const AAX_CChunkDataParser::DataValue& value)
    {
        return roundUp4 (valueSize (value));
    }

    void writeBigEndian (uint8_t* destination, uint64_t bits, size_t bytes)
    {
        for (size_t i = 0; i < bytes; ++i)
            destination[i] = (uint8_t) (bits >> (8 * (bytes - 1 - i)));
    }

    uint64_t readBigEndian (const uint8_t* source, size_t bytes)
    {
        uint64_t bits = 0;

        for (size_t i = 0; i < bytes; ++i)
            bits = (bits << 8) | source[i];

        return bits;
    }

    /** The text at position, ended by a NUL inside limit: its length, or -1. */
    int64_t textLength (const uint8_t* data, size_t position, size_t limit, size_t maxLength)
    {
        for (size_t i = position; i < limit && i - position <= maxLength; ++i)
            if (data[i] == 0)
                return (int64_t) (i - position);

        return -1;
    }
}

void AAX_CChunkDataParser::Clear()
{
    mLastFoundIndex = -1;
    mChunkVersion = -1;
    mDataValues.clear();
}

void AAX_CChunkDataParser::AddDouble (const char* name, double value)
{
    DataValue entry;
    entry.mDataType = kDoubleType;
    entry.mDataName = name;
    std::memcpy (entry.mNumber, &value, sizeof (value));
    mDataValues.push_back (entry);
}

void AAX_CChunkDataParser::AddInt32 (const char* name, int32_t value)
{
    DataValue entry;
    entry.mDataType = kLongType;
    entry.mDataName = name;
    std::memcpy (entry.mNumber, &value, sizeof (value));
    mDataValues.push_back (entry);
}

void AAX_CChunkDataParser::AddString (const char* name, const AAX_CString& value)
{
    DataValue entry;
    entry.mDataType = kStringType;
    entry.mDataName = name;
    entry.mStringValue = value;
    mDataValues.push_back (entry);
}

int32_t AAX_CChunkDataParser::GetChunkDataSize() const
{
    size_t size = 4;

    for (auto& value : mDataValues)
        if (isWritten (value))
            size += roundUp4 (value.mDataName.Length() + 3) + slotSize (value);

    return (int32_t) size;
}

AAX_Result AAX_CChunkDataParser::GetChunkData (AAX_SPlugInChunk* chunk) const
{
    if (chunk == nullptr)
        return AAX_ERROR_NULL_ARGUMENT;

    try
    {
        const auto size = GetChunkDataSize();

        if (size < 4)
            return kChunkWriteError;

        auto* data = reinterpret_cast<uint8_t*> (chunk->fData);
        std::memset (data, 0, (size_t) size);
        writeBigEndian (data, kChunkHeader, 4);
        size_t position = 4;

        for (auto& value : mDataValues)
        {
            if (! isWritten (value))
                continue;

            const auto nameLength = value.mDataName.Length();
            const auto valueStart = roundUp4 (position + nameLength + 3);

            if (valueStart + valueSize (value) > (size_t) size)
                throw std::out_of_range ("aborting: chunk data will overflow buffer");

            std::memcpy (data + position, tags[value.mDataType], 2);
            std::memcpy (data + position + 2, value.mDataName.Get(), nameLength);
            position = valueStart;

            if (value.mDataType == kStringType)
            {
                std::memcpy (data + position, value.mStringValue.Get(), value.mStringValue.Length());
            }
            else
            {
                // Numbers sit in the low bytes of mNumber on this little-endian platform.
                uint64_t bits = 0;
                std::memcpy (&bits, value.mNumber, sizeof (bits));
                writeBigEndian (data + position, bits, valueSize (value));
            }

            position += slotSize (value);
        }

        chunk->fSize = size;
        return AAX_SUCCESS;
    }
    catch (const std::logic_error& error)
    {
        AAX_CHostServices::Trace (AAX_eTracePriorityHost_Critical, "AAX_CChunkDataParser::GetChunkData ERROR: %s",
                                  error.what());
    }
    catch (...)
    {
    }

    return kChunkWriteError;
}

bool AAX_CChunkDataParser::LoadChunk (const AAX_SPlugInChunk* chunk)
{
    mDataValues.clear();
    mLastFoundIndex = -1;

    if (chunk == nullptr)
        return false;

    mChunkVersion = chunk->fVersion;

    const auto* data = reinterpret_cast<const uint8_t*> (chunk->fData);

    // The header alone is a well-formed chunk: it is what an empty list writes.
    if (chunk->fSize < 4 || readBigEndian (data, 4) != kChunkHeader)
        return false;

    const auto size = (size_t) chunk->fSize;
    size_t position = 4;

    while (position < size)
    {
        const auto length = textLength (data, position, size, 255);

        if (length < 0)
            return false;

        // A text too short to hold a tag (zero padding is an empty one) is an entry
        // without a value; reading goes on after it.
        DataValue entry;
        const char tag = length >= 2 ? (char) data[position] : 0;

        if (length > 2)
            entry.mDataName = AAX_CString (std::string (reinterpret_cast<const char*> (data + position + 2),
                                                        (size_t) length - 2).c_str());

        position = roundUp4 (position + (size_t) length + 1);

        const auto readNumber = [&] (int32_t type, size_t bytes, size_t slot)
        {
            if (position + slot > size)
                return false;

            const auto bits = readBigEndian (data + position, bytes);
            std::memcpy (entry.mNumber, &bits, sizeof (bits));
            entry.mDataType = type;
            position += slot;
            return true;
        };

        bool complete = true;

        switch (tag)
        {
            case 'd': complete = readNumber (kDoubleType, 8, 8); break;
            case 'f': complete = readNumber (kFloatType, 4, 4); break;
            case 'l': complete = readNumber (kLongType, 4, 4); break;
            case 's': complete = readNumber (kShortType, 2, 4); break;
            case 'r':
            {
                const auto textSize = textLength (data, position, size, size);
                complete = textSize >= 0;

                if (complete)
                {
                    entry.mDataType = kStringType;
                    entry.mStringValue = reinterpret_cast<const char*> (data + position);
                    position = roundUp4 (position + (size_t) textSize + 1);
                }

                break;
            }
            default: break;
        }

        if (! complete)
            return false;

        mDataValues.push_back (entry);
    }

    return true;
}

int32_t AAX_CChunkDataParser::FindName (const AAX_CString& name)
{
    const auto count = (int32_t) mDataValues.size();
    const auto searchFrom = [&] (int32_t first, int32_t last)
    {
        for (int32_t i = first; i <= last; ++i)
            if (mDataValues[(size_t) i].mDataName == name)
                return mLastFoundIndex = i;

        return -1;
    };

    auto start = mLastFoundIndex + 1;
    const auto previous = mLastFoundIndex;

    if (mLastFoundIndex >= count - 1)
    {
        start = 0;
        mLastFoundIndex = -1;
    }

    if (const auto found = searchFrom (start, count - 1); found >= 0)
        return found;

    return start == 0 ? -1 : searchFrom (0, previous);
}

const AAX_CChunkDataParser::DataValue* AAX_CChunkDataParser::Find (const char* name, int32_t type)
{
    if (name == nullptr)
        return nullptr;

    const auto index = FindName (AAX_CString (name));
    return index >= 0 && mDataValues[(size_t) index].mDataType == type ? &mDataValues[(size_t) index] : nullptr;
}

bool AAX_CChunkDataParser::FindDouble (const char* name, double* value)
{
    const auto* found = Find (name, kDoubleType);

    if (found == nullptr || value == nullptr)
        return false;

    std::memcpy (value, found->mNumber, sizeof (double));
    return true;
}

bool AAX_CChunkDataParser::FindInt32 (const char* name, int32_t* value)
{
    const auto* found = Find (name, kLongType);

    if (found == nullptr || value == nullptr)
        return false;

    std::memcpy (value, found->mNumber, sizeof (int32_t));
    return true;
}

bool AAX_CChunkDataParser::FindString (const char* name, AAX_CString* value)
{
    const auto* found = Find (name, kStringType);

    if (found == nullptr || value == nullptr)
        return false;

    value->Set (found->mStringValue.Get());
    return true;
}
