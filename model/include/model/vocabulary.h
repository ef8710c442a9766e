// Element names of the stored documents and the context words the documents and the dispatcher share.
#pragma once

namespace Talvo {

// Root elements (see docs/formats.md).
inline constexpr const char* TALVO_XML_MAIN = "talvo";
inline constexpr const char* OPTIONS_XML_TALVO = "talvooptions";
inline constexpr const char* TALVO_XML_PROFILE = "talvoprofile";
inline constexpr const char* TALVO_XML_FUNCTION = "talvofunction";
inline constexpr const char* TALVO_XML_CUSTOMSCRIPTS = "talvocustomscripts";
inline constexpr const char* TALVO_XML_EXPORTSCRIPTS = "talvoexportscripts";
inline constexpr const char* TALVO_XML_KEYBOARD = "keyboard";
inline constexpr const char* TALVO_XML_WHEELEVENTS = "events";
inline constexpr const char* TALVO_XML_PROPERTIES = "properties";

// Function kinds (the `dependent` property of a function).
inline constexpr int kKindMultiTapModifiers = 1100;
inline constexpr int kKindMultiTapModifiersElements = 1101;
inline constexpr int kKindContextElements = 1102;
inline constexpr int kKindClassic = 1103;
inline constexpr int kKindMultiPress = 1104;
inline constexpr int kKindSingleTap = 1105;
inline constexpr int kKindMultiTap = 1106;
inline constexpr int kKindModifierCases = 1107;
inline constexpr int kKindContextSensitive = 1108;

// Input types of function cases.
inline constexpr const wchar_t* kInputEditablePoly = L"Editable Poly";
inline constexpr const wchar_t* kInputEditPoly = L"Edit Poly";
inline constexpr const wchar_t* kInputUnwrapUVW = L"Unwrap UVW";
inline constexpr const wchar_t* kInputNoModifier = L"No modifier";
inline constexpr const wchar_t* kInputOverrideMode = L"Override Mode";
inline constexpr const wchar_t* kInputSingleTap = L"SingleTap";
inline constexpr const wchar_t* kInputMultiTap = L"MultiTap";
inline constexpr const wchar_t* kInputClassic = L"3DSMax Classic";
inline constexpr const wchar_t* kInputMultiPress = L"MultiPress";

// Modes (levels) of function cases.
inline constexpr const wchar_t* kModeGlobal = L"global";
inline constexpr const wchar_t* kModeObjects = L"objects";

// Case groups with a fixed meaning.
inline constexpr const wchar_t* kGroupCustomCode = L"Custom Code";
inline constexpr const wchar_t* kGroupOriginalKey = L"Original key behavior";

}  // namespace Talvo
