// libFuzzer entry for the logo bitmap's header check: any file is judged complete or not
// without reading past its end or overflowing.
#include "FuzzInput.h"
#include "window/app/LogoBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    BitmapDataComplete(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
