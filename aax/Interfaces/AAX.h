/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "ACF/ACFUnknown.h"

#include <cstddef>
#include <cstdint>

/** Calling convention of procedures the host calls; the platform's default here. */
#define AAX_CALLBACK

/** An AAX result code: 0 for success, named negative codes in AAX_Errors.h. */
typedef int32_t AAX_Result;
/** A parameter identifier: a NUL-terminated text. */
typedef const char* AAX_CParamID;
/** A four-character code: chunk, notification, curve and meter identifiers. */
typedef uint32_t AAX_CTypeID;
/** A byte-sized truth value as the host passes it. */
typedef uint8_t AAX_CBoolean;
/** The value of an integer property. */
typedef int32_t AAX_CPropertyValue;
/** The index of a field of an algorithm's context. */
typedef int32_t AAX_CFieldIndex;
/** The identifier of a procedure registered with an effect descriptor. */
typedef uint32_t AAX_CProcPtrID;
typedef float AAX_CSampleRate;
typedef uint64_t AAX_CTimestamp;
/** A feature identifier of the description host. */
typedef _acfUID AAX_Feature_UID;

/** The index of a field of an algorithm context struct: fields are pointers. */
#define AAX_FIELD_INDEX(contextType, member) \
    ((AAX_CFieldIndex) (offsetof (contextType, member) / sizeof (void*)))

/** Procedure IDs of the two object creators an effect registers. */
constexpr AAX_CProcPtrID kAAX_ProcPtrID_Create_EffectParameters = 0;
constexpr AAX_CProcPtrID kAAX_ProcPtrID_Create_EffectGUI = 1;

/** The identifier of the host's master bypass parameter. */
constexpr const char* cDefaultMasterBypassID = "MasterBypassID";
/** The identifier of the offline preview parameter. */
constexpr const char* cPreviewID = "PreviewID";

/** A size or position, vertical first. */
struct AAX_Point
{
    float vert;
    float horz;
};

struct AAX_Rect
{
    float top;
    float left;
    float width;
    float height;
};

/** The host's chunk record: a header of 56 bytes, then fSize bytes of data. */
struct AAX_SPlugInChunk
{
    int32_t fSize;
    int32_t fVersion;
    AAX_CTypeID fManufacturerID;
    AAX_CTypeID fProductID;
    AAX_CTypeID fPlugInID;
    AAX_CTypeID fChunkID;
    uint8_t fName[32];
    char fData[1];
};

static_assert (offsetof (AAX_SPlugInChunk, fData) == 56, "the chunk header is fixed by the host");

/** Manufacturer, product and plug-in identifier of one plug-in type. */
struct AAX_SPlugInIdentifierTriad
{
    AAX_CTypeID mManufacturerID;
    AAX_CTypeID mProductID;
    AAX_CTypeID mPlugInID;
};

/** MIDI is not handled by this plug-in: these types are only passed through. */
struct AAX_CMidiPacket;
class AAX_IMIDINode;

/** The native process procedure: the instances' contexts from begin to end. */
typedef void (AAX_CALLBACK* AAX_CProcessProc) (void* const instancesBegin[], const void* const instancesEnd);
/** Per-instance initialisation, called with an AAX_EComponentInstanceInitAction. */
typedef int32_t (AAX_CALLBACK* AAX_CInstanceInitProc) (const void* instance, int32_t action);
/** Background work the host may schedule. */
typedef int32_t (AAX_CALLBACK* AAX_CBackgroundProc)();

//==============================================================================
/*  Stem formats carry their index in the upper 16 bits and their channel count
    in the lower 16 bits. */
#define AAX_STEM_FORMAT(index, channels) ((int32_t) (((uint32_t) (index) << 16) | (uint32_t) (channels)))
#define AAX_STEM_FORMAT_CHANNEL_COUNT(format) ((uint16_t) ((uint32_t) (format) & 0xFFFFu))
#define AAX_STEM_FORMAT_INDEX(format) ((int16_t) ((uint32_t) (format) >> 16))
