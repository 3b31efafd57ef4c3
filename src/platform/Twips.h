#pragma once

// Geometry in twips (1440 per inch) against screen pixels at the screen's logical DPI.
namespace Twips {

// Twips per pixel: 15 at 96 DPI.
double perPixel();
int toPixels(int twips);
int fromPixels(int pixels);

} // namespace Twips
