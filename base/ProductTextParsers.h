#pragma once
// Readers of the plain product-description texts that the catalogue import
// works on. The texts are 8-bit GBK (code page 936): the full-width marks the
// descriptions use (right double quotation mark A1 B1, multiplication sign
// A1 C1, degree sign A1 E3, full-width closing parenthesis A3 A9) are matched
// as those byte pairs, and positions are counted in bytes.
//
// A marker counts as found only within the first 2000 bytes (the lens field
// within its first 200). When a marker is missing the outputs keep what they
// held (ParseAngleOfView first sets its outputs to "0", ParseImageSensor
// returns an empty text); nothing reads past the end of a text.

#include <map>
#include <string>

// The text in GBK with every run from a '<' to the next '>' (both included)
// removed, until no '<' is left; a '<' without a '>' after it removes the rest.
std::string StripTags(const std::wstring& text);

// The text without TAB, LF, CR and blank characters.
std::string StripWhitespace(const std::string& text);

// The sensor format after "ImageSensor", up to the nearer of the GBK right
// double quotation mark and '"' (the inch mark): "1/2.8" for
// ImageSensor1/2.8"CMOS. Empty unless "ImageSensor" stands after the first
// byte and within the first 2000 and an inch mark follows it.
std::string ParseImageSensor(const std::string& text);

// The resolution after "EffectivePixels", written "1920(H)x1080(V)" with an
// ASCII 'x' or the GBK multiplication sign: horizontal "1920", vertical
// "1080". Needs "EffectivePixels" and a "(V)" after it, both within the
// first 2000 bytes, and one of the two signs in between.
void ParseEffectivePixels(const std::string& text, std::string& horizontal, std::string& vertical);

// The angles of view after "AngleofViewH:" and the "V:" that follows, each
// ending at the GBK degree sign or a '?' (a degree sign lost in conversion).
// Both outputs are "0" unless found.
void ParseAngleOfView(const std::string& text, std::string& h, std::string& v);

// The lens field after "FocalLength", up to "Max.Aperture" or "MaxAperture":
//   "1" when it says N/A;
//   "2" for a choice of lenses, "2.8mm(4mm/6mm optional)": focal lengths
//       "2.8", "4", "6" under serials 0, 1, 2;
//   "3" for a range, "2.8-12mm" or "2.8mm~12mm": "2.8" and "12";
//   "4" for one focal length, "4mm": "4".
// Both outputs keep what they held when the field is missing, that is when
// "FocalLength" or the aperture after it is not within the first 2000 bytes.
void ParseLensSpec(const std::string& text, std::string& lensType, std::map<int, std::string>& focalLengths);
