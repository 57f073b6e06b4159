/*
    Vostrel ZR2814 - seven-band graphic equalizer
    Copyright (C) 2026 Tervix
    Licensed under the GNU General Public License version 3 or later; see LICENSE.
*/

#pragma once

#include "AAX.h"

/** Channel layouts: AAX_STEM_FORMAT (index, channel count). Indices up to 12 are
    known to every host; later ones need the host's stem-format feature. */
enum AAX_EStemFormat : int32_t
{
    AAX_eStemFormat_Mono = AAX_STEM_FORMAT (0, 1),
    AAX_eStemFormat_Stereo = AAX_STEM_FORMAT (1, 2),
    AAX_eStemFormat_LCR = AAX_STEM_FORMAT (2, 3),
    AAX_eStemFormat_LCRS = AAX_STEM_FORMAT (3, 4),
    AAX_eStemFormat_Quad = AAX_STEM_FORMAT (4, 4),
    AAX_eStemFormat_5_0 = AAX_STEM_FORMAT (5, 5),
    AAX_eStemFormat_5_1 = AAX_STEM_FORMAT (6, 6),
    AAX_eStemFormat_6_0 = AAX_STEM_FORMAT (7, 6),
    AAX_eStemFormat_6_1 = AAX_STEM_FORMAT (8, 7),
    AAX_eStemFormat_7_0_SDDS = AAX_STEM_FORMAT (9, 7),
    AAX_eStemFormat_7_1_SDDS = AAX_STEM_FORMAT (10, 8),
    AAX_eStemFormat_7_0_DTS = AAX_STEM_FORMAT (11, 7),
    AAX_eStemFormat_7_1_DTS = AAX_STEM_FORMAT (12, 8),
    AAX_eStemFormat_7_0_2 = AAX_STEM_FORMAT (13, 9),
    AAX_eStemFormat_7_1_2 = AAX_STEM_FORMAT (14, 10),
    AAX_eStemFormat_Reserved_1 = AAX_STEM_FORMAT (15, 0),
    AAX_eStemFormat_Reserved_2 = AAX_STEM_FORMAT (16, 0),
    AAX_eStemFormat_Reserved_3 = AAX_STEM_FORMAT (17, 0),
    AAX_eStemFormat_Ambi_1_ACN = AAX_STEM_FORMAT (18, 4),
    AAX_eStemFormat_Ambi_2_ACN = AAX_STEM_FORMAT (19, 9),
    AAX_eStemFormat_Ambi_3_ACN = AAX_STEM_FORMAT (20, 16),
    AAX_eStemFormatNum = 21,
    AAX_eStemFormat_None = AAX_STEM_FORMAT (-100, 0),
    AAX_eStemFormat_Any = AAX_STEM_FORMAT (-1, 0),
    AAX_eStemFormat_INT32_MAX = 0x7FFFFFFF
};

/** Property numbers of property maps. */
enum AAX_EProperty : int32_t
{
    AAX_eProperty_NoID = 0,
    AAX_eProperty_ManufacturerID = 10,
    AAX_eProperty_ProductID = 11,
    AAX_eProperty_PlugInID_Native = 13,
    AAX_eProperty_PlugInID_AudioSuite = 14,
    AAX_eProperty_PlugInID_TI = 15,
    AAX_eProperty_NativeProcessProc = 36,
    AAX_eProperty_NativeInstanceInitProc = 37,
    AAX_eProperty_NativeBackgroundProc = 38,
    AAX_eProperty_TIDLLFileName = 39,
    AAX_eProperty_TIProcessProc = 40,
    AAX_eProperty_TIInstanceInitProc = 41,
    AAX_eProperty_TIBackgroundProc = 42,
    AAX_eProperty_InputStemFormat = 51,
    AAX_eProperty_OutputStemFormat = 52,
    AAX_eProperty_SideChainStemFormat = 53,
    AAX_eProperty_AudioBufferLength = 54,
    AAX_eProperty_CanBypass = 60,
    AAX_eProperty_SupportsSideChainInput = 61,
    AAX_eProperty_Constraint_MultiMonoSupport = 303,
    AAX_eProperty_Meter_Type = 350,
    AAX_eProperty_Meter_Orientation = 351,
    AAX_eProperty_MaxCount = 401
};

/** Effect categories: one bit each. */
enum AAX_EPlugInCategory : uint32_t
{
    AAX_ePlugInCategory_None = 0,
    AAX_ePlugInCategory_EQ = 1u << 0
};

enum AAX_EParameterType : int32_t
{
    AAX_eParameterType_Discrete = 0,
    AAX_eParameterType_Continuous = 1
};

/** Display orientation flags of a parameter. */
enum AAX_EParameterOrientation : int32_t
{
    AAX_eParameterOrientation_LeftMinRightMax = 0,
    AAX_eParameterOrientation_BottomMinTopMax = 0,
    AAX_eParameterOrientation_RotaryLeftMinRightMax = 0,
    AAX_eParameterOrientation_RotarySingleDotMode = 0,
    AAX_eParameterOrientation_RightMinLeftMax = 1,
    AAX_eParameterOrientation_TopMinBottomMax = 2,
    AAX_eParameterOrientation_RotaryRightMinLeftMax = 16
};

/** Where a parameter update comes from; passed through, never read. */
enum AAX_EUpdateSource : int32_t
{
    AAX_eUpdateSource_Unspecified = 0
};

enum AAX_ESupportLevel : int32_t
{
    AAX_eSupportLevel_Uninitialized = 0,
    AAX_eSupportLevel_Unsupported = 1,
    AAX_eSupportLevel_Supported = 2,
    AAX_eSupportLevel_Disabled = 3,
    AAX_eSupportLevel_ByProperty = 4
};

/** The kind of native view a view container hands over. On Linux the HWND kind
    carries an X11 window id, which is what the framework's editor attaches to. */
enum AAX_EViewContainer_Type : int32_t
{
    AAX_eViewContainer_Type_NULL = 0,
    AAX_eViewContainer_Type_NSView = 1,
    AAX_eViewContainer_Type_UIView = 2,
    AAX_eViewContainer_Type_HWND = 3
};

enum AAX_EModifiers : uint32_t
{
    AAX_eModifiers_None = 0,
    AAX_eModifiers_Shift = 1u << 0,
    AAX_eModifiers_Control = 1u << 1,
    AAX_eModifiers_Option = 1u << 2,
    AAX_eModifiers_Command = 1u << 3,
    AAX_eModifiers_Alt = AAX_eModifiers_Option
};

/** Host notifications (four-character codes). */
enum AAX_ENotificationEvent : AAX_CTypeID
{
    AAX_eNotificationEvent_ASPreviewState = 0x41535076,             // 'ASPv'
    AAX_eNotificationEvent_ASProcessingState = 0x41535073,          // 'ASPs'
    AAX_eNotificationEvent_TrackNameChanged = 0x74724E6D,           // 'trNm'
    AAX_eNotificationEvent_EnteringOfflineMode = 0x6F66466E,        // 'ofFn'
    AAX_eNotificationEvent_ExitingOfflineMode = 0x6F66466F,         // 'ofFo'
    AAX_eNotificationEvent_SideChainBeingConnected = 0x73634F6E,    // 'scOn'
    AAX_eNotificationEvent_SideChainBeingDisconnected = 0x73634F66  // 'scOf'
};

/** The offline processing state passed with AAX_eNotificationEvent_ASProcessingState. */
enum AAX_EProcessingState : int32_t
{
    AAX_eProcessingState_None = 0,
    AAX_eProcessingState_StartPass = 1,
    AAX_eProcessingState_StopPass = 2,
    AAX_eProcessingState_BeginPassGroup = 3,
    AAX_eProcessingState_EndPassGroup = 4
};

enum AAX_EMeterType : int32_t
{
    AAX_eMeterType_Input = 0,
    AAX_eMeterType_Output = 1,
    AAX_eMeterType_CLGain = 2,
    AAX_eMeterType_EGGain = 3,
    AAX_eMeterType_Analysis = 4,
    AAX_eMeterType_Other = 5
};

enum AAX_EMeterOrientation : int32_t
{
    AAX_eMeterOrientation_Default = 0,
    AAX_eMeterOrientation_TopRight = 2
};

enum AAX_EHighlightColor : int32_t
{
    AAX_eHighlightColor_Red = 0,
    AAX_eHighlightColor_Blue = 1,
    AAX_eHighlightColor_Green = 2,
    AAX_eHighlightColor_Yellow = 3,
    AAX_eHighlightColor_Num
};

/** Curve kinds a host may ask the plug-in to draw (four-character codes). */
enum AAX_ECurveType : AAX_CTypeID
{
    AAX_eCurveType_None = 0,
    AAX_eCurveType_EQ = 0x41584571,         // 'AXEq'
    AAX_eCurveType_Dynamics = 0x41584479,   // 'AXDy'
    AAX_eCurveType_Reduction = 0x41585264   // 'AXRd'
};

/** Block lengths as powers of two; the largest block is 1 << AAX_eAudioBufferLength_Max. */
enum AAX_EAudioBufferLength : int32_t
{
    AAX_eAudioBufferLength_Undefined = -1,
    AAX_eAudioBufferLength_1 = 0,
    AAX_eAudioBufferLength_Max = 10
};

enum AAX_EFrameRate : int32_t
{
    AAX_eFrameRate_Undeclared = 0
};

enum AAX_EFeetFramesRate : int32_t
{
    AAX_eFeetFramesRate_23976 = 0
};

enum AAX_EDataInPortType : int32_t
{
    AAX_eDataInPortType_Unbuffered = 0,
    AAX_eDataInPortType_Buffered = 1
};

enum AAX_EMIDINodeType : int32_t
{
    AAX_eMIDINodeType_LocalInput = 0,
    AAX_eMIDINodeType_LocalOutput = 1
};

enum AAX_EResourceType : int32_t
{
    AAX_eResourceType_None = 0,
    AAX_eResourceType_PageTable = 1
};

enum AAX_EComponentInstanceInitAction : int32_t
{
    AAX_eComponentInstanceInitAction_AddingNewInstance = 0,
    AAX_eComponentInstanceInitAction_RemovingInstance = 1,
    AAX_eComponentInstanceInitAction_ResetInstance = 2
};

enum AAX_ETextEncoding : int32_t
{
    AAX_eTextEncoding_Undefined = -1,
    AAX_eTextEncoding_UTF8 = 0
};

/** Labels a host may ask for with GetCustomLabel. */
enum AAX_EPlugInStrings : int32_t
{
    AAX_ePlugInStrings_Analysis = 0
};

/** Trace priorities: errors, and the checked-result trace. */
enum AAX_ETracePriorityHost : int32_t
{
    AAX_eTracePriorityHost_None = 0,
    AAX_eTracePriorityHost_Normal = 0x04000000,
    AAX_eTracePriorityHost_Critical = 0x08000000
};

/** DMA modes of an algorithm field. */
struct AAX_IDma
{
    enum EMode : int32_t
    {
        eMode_Error = 0
    };
};
