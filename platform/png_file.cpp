#include "platform/png_file.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/text.h"

namespace marilo {

namespace {

// A COM interface pointer released when it goes.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** out() { return &p_; }

private:
    T* p_ = nullptr;
};

// COM for this thread, for as long as the object lives.
class ComScope {
public:
    ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

// The system's own words for hr are read in UTF-16 and kept in cp932, as
// every text of the program: the ANSI call would give them in the system's
// code page, which the callers would then misread as cp932 wherever that
// code page is another.
std::string describe(const char* step, HRESULT hr) {
    wchar_t system[160] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, static_cast<DWORD>(hr), 0,
                   system, 160, nullptr);
    std::wstring_view words(system);
    while (!words.empty() && (words.back() == L'\n' || words.back() == L'\r')) words.remove_suffix(1);
    char head[128];
    std::snprintf(head, sizeof head, "%s failed (0x%08lx", step, static_cast<unsigned long>(hr));
    std::string text = head;
    if (!words.empty()) text += ": " + narrow(words);
    return text + ")";
}

}  // namespace

std::string writePngFile(const std::wstring& path, const DibSurface& surface) {
    if (!surface || surface.bitsPerPixel() != 24) return "no picture to write";
    GdiFlush();
    const ComScope com;
    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                  reinterpret_cast<void**>(factory.out()));
    if (FAILED(hr)) return describe("starting the Windows Imaging Component", hr);
    ComPtr<IWICStream> stream;
    hr = factory->CreateStream(stream.out());
    if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
    if (FAILED(hr)) return describe("opening the file", hr);
    ComPtr<IWICBitmapEncoder> encoder;
    hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out());
    if (SUCCEEDED(hr)) hr = encoder->Initialize(stream.get(), WICBitmapEncoderNoCache);
    if (FAILED(hr)) return describe("starting the PNG encoder", hr);
    ComPtr<IWICBitmapFrameEncode> frame;
    hr = encoder->CreateNewFrame(frame.out(), nullptr);
    if (SUCCEEDED(hr)) hr = frame->Initialize(nullptr);
    const UINT width = static_cast<UINT>(surface.width()), height = static_cast<UINT>(surface.height());
    if (SUCCEEDED(hr)) hr = frame->SetSize(width, height);
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
    if (SUCCEEDED(hr) && !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) hr = E_FAIL;
    if (FAILED(hr)) return describe("preparing the picture", hr);
    // The surface keeps its rows bottom-up; the encoder takes them top-down.
    const UINT stride = static_cast<UINT>(surface.stride());
    std::vector<BYTE> rows(static_cast<size_t>(stride) * height);
    for (UINT y = 0; y < height; ++y)
        std::memcpy(&rows[static_cast<size_t>(y) * stride], surface.bits() + static_cast<size_t>(height - 1 - y) * stride,
                    stride);
    hr = frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data());
    if (SUCCEEDED(hr)) hr = frame->Commit();
    if (SUCCEEDED(hr)) hr = encoder->Commit();
    if (FAILED(hr)) return describe("writing the file", hr);
    return {};
}

}  // namespace marilo
