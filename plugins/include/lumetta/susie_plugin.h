/*
 * Lumetta picture plug-ins: the interface between Lumetta and a plug-in.
 *
 * A plug-in is a shared library (an ELF shared object on Linux, a DLL on
 * Windows) whose file name ends in ".spi". It exports the C functions of the
 * Susie plug-in convention, shared by many Japanese picture viewers, with
 * the platform's own calling convention. Lumetta loads every "*.spi" file of
 * its own folder at start-up (and of its data folder when that is another
 * one), keeps them loaded until it ends, and asks them in turn for the files
 * it cannot read itself. A plug-in copied into the folder is found at the
 * next start.
 *
 * What a picture plug-in must export (others are skipped at start-up):
 *   GetPluginInfo, IsSupported, GetPictureInfo, GetPicture.
 * Looked up, never called by Lumetta: ConfigurationDlg, GetArchiveInfo,
 * GetFileInfo, GetFile. GetPreview is called only when a host asks for
 * previews (Lumetta does not).
 *
 * Information strings (GetPluginInfo):
 *   0  the API version: "00IN" for a picture plug-in (also "00AM" archive,
 *      "00XN" export; other values make an object Lumetta only lists)
 *   1  the plug-in's name, shown in Lumetta's plug-in window
 *   2  file filter, e.g. "*.pic;*.pict"       3  format name, e.g. "PICT"
 *   4  second filter                          5  its format name ...
 * Pairs are read while both strings of a pair are non-empty. Only the FIRST
 * filter makes Lumetta list files as photos: each of its items, less its
 * first character (the "*"), lower-cased and cut to 5 characters, joins the
 * table of photo extensions. Listing "*.jpg", "*.bmp" or "*.tif" there hands
 * every JPEG, BMP or TIFF file to the plug-ins instead of Lumetta's own
 * readers. Strings are byte strings (UTF-8 or Shift-JIS).
 *
 * Decoding a file: for each plug-in, files whose extension one of the
 * plug-in's filters names first, Lumetta reads the first 2,176 bytes of the
 * file (zero-filled when the file is shorter) and asks IsSupported with the
 * bytes at offset 0, and again at offset 128 (a Macintosh file with a
 * 128-byte MacBinary header in front). When the plug-in says yes it calls
 * GetPictureInfo and GetPicture with that offset.
 *
 * The blocks GetPicture returns are ALLOCATED WITH malloc (or calloc,
 * realloc) of the C library and FREED BY LUMETTA with free, also when the
 * call reports a failure; a plug-in never frees them itself. On Windows they
 * are movable local memory (LocalAlloc) as in the original convention.
 *
 *   *pHBInfo: a BITMAPINFO: an SpiBitmapInfoHeader (biSize 40), then, with
 *             BI_BITFIELDS, the red, green and blue masks (3 x 4 bytes),
 *             then biClrUsed colour entries (2^biBitCount when biClrUsed is
 *             0 and biBitCount <= 8) of 4 bytes: blue, green, red, 0.
 *   *pHBm:    the pixel rows as in a BMP file: each row padded to a multiple
 *             of 4 bytes, the bottom row first when biHeight > 0 (the top
 *             row first when it is negative), 24-bit pixels as blue, green,
 *             red. biBitCount 1, 4, 8, 16, 24 or 32; BI_RGB, BI_BITFIELDS
 *             (16, 32 bits), BI_RLE8 (8 bits) or BI_RLE4 (4 bits).
 * Lumetta checks the header against the sizes of the two blocks before it
 * reads them: a header that promises more colours or rows than its blocks
 * hold makes the picture unreadable.
 *
 * A plug-in must be safe to call again and again from one thread; Lumetta
 * never calls it from two threads at once. It must not throw C++ exceptions
 * out of these functions or end the process.
 */
#ifndef LUMETTA_SUSIE_PLUGIN_H
#define LUMETTA_SUSIE_PLUGIN_H

#include <stdint.h>

#ifdef _WIN32
#define SPI_CALL __stdcall
#define SPI_EXPORT __declspec(dllexport)
#else
#define SPI_CALL
#define SPI_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Results of the functions. */
enum {
  SPI_NO_FUNCTION = -1,    /* not implemented */
  SPI_ALL_RIGHT = 0,       /* success */
  SPI_ABORT = 1,           /* the progress function asked to stop */
  SPI_NOT_SUPPORT = 2,     /* not a format of this plug-in */
  SPI_OUT_OF_ORDER = 3,    /* damaged data */
  SPI_NO_MEMORY = 4,       /* memory could not be allocated */
  SPI_MEMORY_ERROR = 5,    /* memory error */
  SPI_FILE_READ_ERROR = 6, /* the file could not be read */
  SPI_WINDOW_ERROR = 7,    /* a window could not be opened */
  SPI_OTHER_ERROR = 8      /* internal error */
};

/* flag & 7 of GetPictureInfo and GetPicture: 0 = buf is a file name and len
 * the offset of the picture in the file (the only form Lumetta uses),
 * 1 = buf points to the picture in memory and len is its size. */
#define SPI_INPUT_FILE 0u
#define SPI_INPUT_MEMORY 1u

/* Compression values of biCompression. */
#define SPI_BI_RGB 0u
#define SPI_BI_RLE8 1u
#define SPI_BI_RLE4 2u
#define SPI_BI_BITFIELDS 3u

#pragma pack(push, 1)

/* The 40-byte BITMAPINFOHEADER, little-endian, as in a BMP file. */
typedef struct SpiBitmapInfoHeader {
  uint32_t biSize;
  int32_t biWidth;
  int32_t biHeight;
  uint16_t biPlanes;
  uint16_t biBitCount;
  uint32_t biCompression;
  uint32_t biSizeImage;
  int32_t biXPelsPerMeter;
  int32_t biYPelsPerMeter;
  uint32_t biClrUsed;
  uint32_t biClrImportant;
} SpiBitmapInfoHeader;

/* Filled by GetPictureInfo. Lumetta does not read the record and frees
 * nothing in it: leave hInfo NULL. */
typedef struct SpiPictureInfo {
  int32_t left, top;
  int32_t width, height;
  uint16_t x_density, y_density;
  int16_t colorDepth;
  void* hInfo;
} SpiPictureInfo;

/* Filled by GetFileInfo of archive plug-ins. */
typedef struct SpiFileInfo {
  unsigned char method[8];
  uintptr_t position;
  uintptr_t compsize;
  uintptr_t filesize;
  int64_t timestamp;
  char path[200];
  char filename[200];
  uint32_t crc;
} SpiFileInfo;

#pragma pack(pop)

/* Called with the work done so far and the whole; a non-zero result asks
 * the plug-in to stop (SPI_ABORT). Lumetta always answers 0. */
typedef int(SPI_CALL* SpiProgressCallback)(int num, int denom, intptr_t data);

/* Writes information string infono into buf (at most buflen bytes, with a
 * terminating zero when there is room) and returns the number of bytes
 * written without it; 0 when there is no such string. */
typedef int(SPI_CALL* SpiGetPluginInfo)(int infono, char* buf, int buflen);

/* filename: the file's path; dw: its first bytes (at least 2,048 readable
 * bytes, zero-filled past the end of a short file). Non-zero when the
 * plug-in can read the file. */
typedef int(SPI_CALL* SpiIsSupported)(const char* filename, const void* dw);

typedef int(SPI_CALL* SpiGetPictureInfo)(const char* buf, intptr_t len, unsigned int flag, SpiPictureInfo* lpInfo);

/* Decodes the picture; on SPI_ALL_RIGHT *pHBInfo and *pHBm hold the two
 * malloc'ed blocks described above. */
typedef int(SPI_CALL* SpiGetPicture)(const char* buf, intptr_t len, unsigned int flag, void** pHBInfo, void** pHBm,
                                     SpiProgressCallback lpProgressCallback, intptr_t lData);

/* As GetPicture, a smaller or quicker picture. */
typedef int(SPI_CALL* SpiGetPreview)(const char* buf, intptr_t len, unsigned int flag, void** pHBInfo, void** pHBm,
                                     SpiProgressCallback lpProgressCallback, intptr_t lData);

typedef int(SPI_CALL* SpiConfigurationDlg)(void* parent, int fnc);
typedef int(SPI_CALL* SpiGetArchiveInfo)(const char* buf, intptr_t len, unsigned int flag, void** lphInf);
typedef int(SPI_CALL* SpiGetFileInfo)(const char* buf, intptr_t len, const char* filename, unsigned int flag,
                                      SpiFileInfo* lpInfo);
typedef int(SPI_CALL* SpiGetFile)(const char* src, intptr_t len, char* dest, unsigned int flag,
                                  SpiProgressCallback prgressCallback, intptr_t lData);

#ifdef __cplusplus
}
#endif

#endif /* LUMETTA_SUSIE_PLUGIN_H */
