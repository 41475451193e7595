#pragma once

#include <QByteArray>

// The most scans we let a progressive JPEG have. Every scan passes over the whole picture again,
// so a small file of hundreds of near-empty scans over a large picture keeps the decoder busy for
// seconds. Ordinary encoders write about ten.
inline constexpr int MaxJpegScans = 100;

// Counts the scans (start-of-scan markers) of JPEG bytes, finding markers the way the decoder does:
// segment contents are skipped by their length, the coded data after a scan header is passed over
// up to the next marker, and fill bytes before a marker are ignored. Counting stops at the end of
// the image.
int countJpegScans(const QByteArray &bytes);

// Whether the decoder stops after the first scan: a sequential frame whose first scan carries
// every component. A decoder reading such a file treats any later scan as an error instead of
// working through it, so its scans need no count. Only the header segments before the first scan
// are read; anything unusual among them answers false, and the scans are then counted.
bool jpegDecodesInOneScan(const QByteArray &bytes);
