#include "win32/logo.h"

#include <wincodec.h>

#include <iterator>

#include "form/logo.h"
#include "resources/resource_ids.h"

namespace petcalc::win32 {
namespace {

struct ResourceBytes {
  BYTE* data = nullptr;
  DWORD size = 0;
};

ResourceBytes FindBytes(HINSTANCE instance, int id) {
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(instance, found);
  if (loaded == nullptr) return {};
  return {static_cast<BYTE*>(LockResource(loaded)), SizeofResource(instance, found)};
}

// COM, for the image decoder, from ole32.dll loaded at the first decode rather than imported:
// an import would lengthen every start before the window shows, and the logo is decoded only
// after it does.
class Com {
 public:
  static const Com& OnThisThread() {
    static const Com com;
    return com;
  }

  HRESULT Create(REFCLSID type, REFIID kind, void** object) const {
    if (create_ == nullptr) return E_NOINTERFACE;
    return create_(type, nullptr, CLSCTX_INPROC_SERVER, kind, object);
  }

 private:
  Com() {
    HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    if (ole32 == nullptr) return;
    const auto initialize = Function<decltype(&CoInitializeEx)>(ole32, "CoInitializeEx");
    if (initialize == nullptr || FAILED(initialize(nullptr, COINIT_APARTMENTTHREADED))) return;
    create_ = Function<decltype(&CoCreateInstance)>(ole32, "CoCreateInstance");
  }

  template <typename Pointer>
  static Pointer Function(HMODULE module, const char* name) {
    return reinterpret_cast<Pointer>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  }

  decltype(&CoCreateInstance) create_ = nullptr;
};

// The resources of form::kLogoRenditions, in their order.
int RenditionFor(int dpi) {
  constexpr int kRenditions[] = {PETCALC_LOGO_1X, PETCALC_LOGO_2X, PETCALC_LOGO_3X};
  static_assert(std::size(kRenditions) == form::kLogoRenditions.size());
  return kRenditions[form::LogoDensity(dpi) - 1];
}

// The decoded frame, shrunk to the given size if it is not already that size.
ComPtr<IWICBitmapSource> DecodeSized(IWICImagingFactory* factory, ResourceBytes bytes, UINT width,
                                     UINT height) {
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICBitmapSource> result;
  if (FAILED(factory->CreateStream(stream.put())) ||
      FAILED(stream->InitializeFromMemory(bytes.data, bytes.size)) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.put())) ||
      FAILED(decoder->GetFrame(0, frame.put()))) {
    return result;
  }
  UINT frame_width = 0;
  UINT frame_height = 0;
  frame->GetSize(&frame_width, &frame_height);
  if (frame_width == width && frame_height == height) {
    frame->QueryInterface(IID_IWICBitmapSource, reinterpret_cast<void**>(result.put()));
    return result;
  }
  ComPtr<IWICBitmapScaler> scaler;
  if (SUCCEEDED(factory->CreateBitmapScaler(scaler.put())) &&
      SUCCEEDED(scaler->Initialize(frame.get(), width, height, WICBitmapInterpolationModeFant))) {
    scaler->QueryInterface(IID_IWICBitmapSource, reinterpret_cast<void**>(result.put()));
  }
  return result;
}

// 32-bit top-down device-independent pixels, as the picture control draws them.
UniqueBitmap ToBitmap(IWICImagingFactory* factory, IWICBitmapSource* source, UINT width,
                      UINT height) {
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.put())) ||
      FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                   nullptr, 0, WICBitmapPaletteTypeCustom))) {
    return {};
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
  const UINT stride = width * 4;
  if (!bitmap ||
      FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels)))) {
    return {};
  }
  return bitmap;
}

}  // namespace

UniqueBitmap LoadLogo(HINSTANCE instance, int dpi) {
  const ResourceBytes bytes = FindBytes(instance, RenditionFor(dpi));
  ComPtr<IWICImagingFactory> factory;
  if (bytes.data == nullptr ||
      FAILED(Com::OnThisThread().Create(CLSID_WICImagingFactory, IID_IWICImagingFactory,
                                        reinterpret_cast<void**>(factory.put())))) {
    return {};
  }
  const form::PixelRect box = form::PixelsOf(form::Image1, dpi);
  const auto width = static_cast<UINT>(box.width);
  const auto height = static_cast<UINT>(box.height);
  const ComPtr<IWICBitmapSource> source = DecodeSized(factory.get(), bytes, width, height);
  if (source.get() == nullptr) return {};
  return ToBitmap(factory.get(), source.get(), width, height);
}

}  // namespace petcalc::win32
