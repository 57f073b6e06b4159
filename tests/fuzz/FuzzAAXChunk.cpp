/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

// The data of a "Complete Controls State" chunk: read by the chunk parser, written
// again and re-read, and restored into an effect with the plug-in's parameters.

#include "FuzzTarget.h"

#include "AAX_CEffectParameters.h"
#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"

#include <cstring>
#include <vector>

namespace
{
    using vostrel::fuzz::require;

    /** The plug-in's parameters as the framework's client adds them, so that the
        plug-in's own chunks in the corpus apply. */
    struct PlugInEffect : AAX_CEffectParameters
    {
        PlugInEffect()
        {
            EffectInit();
            FilterParameterIDOnSave (cDefaultMasterBypassID);
        }

        AAX_Result EffectInit() override
        {
            for (auto* id : { "Vzr7_000000", "Vzr7_000010", "Vzr7_000100", "Vzr7_000200", "Vzr7_000300", "Vzr7_000400",
                              "Vzr7_000500", "Vzr7_000600", "Vzr7_000700", "Vzr7_001000", cDefaultMasterBypassID })
                mParameterManager.AddParameter (new AAX_CParameter<float> (id, AAX_CString (id), 0.0f,
                                                                           AAX_CLinearTaperDelegate<float, 0>(),
                                                                           AAX_CNumberDisplayDelegate<float, 3>(), true));
            return AAX_SUCCESS;
        }

        bool holdsPositions() const
        {
            for (int32_t i = 0; i < mParameterManager.NumParameters(); ++i)
            {
                const double value = mParameterManager.GetParameter (i)->GetNormalizedValue();

                if (! (value >= 0.0 && value <= 1.0))
                    return false;
            }

            return true;
        }
    };

    /** A chunk record holding size data bytes. */
    std::vector<uint8_t> makeRecord (size_t size)
    {
        std::vector<uint8_t> record (offsetof (AAX_SPlugInChunk, fData) + size);
        auto* chunk = reinterpret_cast<AAX_SPlugInChunk*> (record.data());
        chunk->fSize = (int32_t) size;
        chunk->fChunkID = kAAX_ControlsStateChunkID;
        return record;
    }

    AAX_SPlugInChunk* chunkOf (std::vector<uint8_t>& record)
    {
        return reinterpret_cast<AAX_SPlugInChunk*> (record.data());
    }

    bool sameValue (const AAX_CChunkDataParser::DataValue& a, const AAX_CChunkDataParser::DataValue& b)
    {
        return a.mDataType == b.mDataType && a.mDataName == b.mDataName
            && std::memcmp (a.mNumber, b.mNumber, sizeof (a.mNumber)) == 0 && a.mStringValue == b.mStringValue;
    }
}

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    if (size > (size_t) INT32_MAX)
        return 0;

    auto record = makeRecord (size);
    std::memcpy (chunkOf (record)->fData, data, size);

    // Whatever was read is written again and reads back the same, less the
    // entries that hold no value.
    AAX_CChunkDataParser parser;
    parser.LoadChunk (chunkOf (record));
    auto written = makeRecord ((size_t) parser.GetChunkDataSize());
    require (parser.GetChunkData (chunkOf (written)) == AAX_SUCCESS);

    AAX_CChunkDataParser reread;
    require (reread.LoadChunk (chunkOf (written)));
    size_t next = 0;

    for (auto& value : parser.GetValues())
        if (value.mDataType != AAX_CChunkDataParser::kNoType)
            require (next < reread.GetValues().size() && sameValue (value, reread.GetValues()[next++]));

    require (next == reread.GetValues().size());

    // Restored into the plug-in's parameters, every value stays a position, and
    // the state written afterwards compares equal.
    static PlugInEffect effect;
    const auto result = effect.SetChunk (kAAX_ControlsStateChunkID, chunkOf (record));
    require (result == AAX_SUCCESS || result == AAX_ERROR_MALFORMED_CHUNK);
    require (effect.holdsPositions());

    uint32_t stateSize = 0;
    require (effect.GetChunkSize (kAAX_ControlsStateChunkID, &stateSize) == AAX_SUCCESS);
    auto state = makeRecord (stateSize);
    require (effect.GetChunk (kAAX_ControlsStateChunkID, chunkOf (state)) == AAX_SUCCESS);
    AAX_CBoolean equal = 0;
    require (effect.CompareActiveChunk (chunkOf (state), &equal) == AAX_SUCCESS && equal == 1);
    return 0;
}
