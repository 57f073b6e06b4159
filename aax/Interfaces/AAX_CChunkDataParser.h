/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX_CString.h"

#include <vector>

/** The codec of the "Complete Controls State" chunk: named, typed values written
    big-endian in 4-byte aligned entries after a header word. */
class AAX_CChunkDataParser
{
public:
    /** Value types, also the index of their tag in the entry table. */
    enum ValueType : int32_t
    {
        kNoType = 0,
        kFloatType = 1,
        kLongType = 2,
        kDoubleType = 3,
        kShortType = 4,
        kStringType = 5
    };

    /** One named value; numbers sit in the low part of mNumber. */
    struct DataValue
    {
        int32_t mDataType = kNoType;
        AAX_CString mDataName;
        uint8_t mNumber[8] = {};
        AAX_CString mStringValue;
    };

    /** The header word that opens every chunk's data. */
    static constexpr uint32_t kChunkHeader = 0x01010101u;
    /** The writer's own failure code. */
    static constexpr AAX_Result kChunkWriteError = -333;

    AAX_CChunkDataParser() = default;

    /** Removes every value; the version goes back to -1. */
    void Clear();
    void AddDouble (const char* name, double value);
    void AddInt32 (const char* name, int32_t value);
    void AddString (const char* name, const AAX_CString& value);

    /** The number of data bytes GetChunkData writes. */
    int32_t GetChunkDataSize() const;
    /** Writes fSize and the data; 0, or kChunkWriteError with a trace. Values of
        type 0 hold nothing and are left out. */
    AAX_Result GetChunkData (AAX_SPlugInChunk* chunk) const;
    /** Replaces the values with those of a chunk, reading no byte past fSize. An
        entry with an unknown tag, or a text too short for a tag (zero padding
        included), becomes a value of type 0. Returns false for a chunk that is not
        well formed (no header, or cut inside an entry); the values read before the
        fault are kept. */
    bool LoadChunk (const AAX_SPlugInChunk* chunk);

    /** The position of a value by name, searching on from the last one found. */
    int32_t FindName (const AAX_CString& name);
    bool FindDouble (const char* name, double* value);
    bool FindInt32 (const char* name, int32_t* value);
    bool FindString (const char* name, AAX_CString* value);

    int32_t GetChunkVersion() const noexcept { return mChunkVersion; }
    const std::vector<DataValue>& GetValues() const noexcept { return mDataValues; }

private:
    /** The value of a name with the given type, or null. */
    const DataValue* Find (const char* name, int32_t type);

    int32_t mLastFoundIndex = -1;
    int32_t mChunkVersion = -1;
    std::vector<DataValue> mDataValues;
};
