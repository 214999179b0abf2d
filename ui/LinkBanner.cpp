#include "ui/LinkBanner.h"

#include "cardlib/DisplayDpi.h"
#include "cardlib/PictureDrawing.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/PlatformServices.h"
#include "ui/ScaledArt.h"
#include "ui/TransparentImage.h"
#include "ui/core/BannerFamily.h"
#include "ui/core/HandCursor.h"

#include <cstring>

namespace {
HBITMAP LoadBannerImage(int id)
{
    return static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

// The picture at the scale: the standard one as it is, else from the art
// for the scale. Null when there is none.
HBITMAP BannerImageAt(int id, const DisplayScale& scale)
{
    if (id == banner::noImage || scale.IsUnscaled())
        return id == banner::noImage ? nullptr : LoadBannerImage(id);
    const Picture picture = ScaledArt(id, scale);
    WindowContext screen(nullptr);
    MemoryContext surface(screen.Get());
    HBITMAP image = CreateCompatibleBitmap(screen.Get(), picture.width, picture.height);
    bool drawn = false;
    if (image) {
        ScopedSelect selected(surface.Get(), image);
        drawn = DrawPicture(surface.Get(), 0, 0, picture);
    }
    if (image && !drawn) {
        DeleteObject(image);
        image = nullptr;
    }
    return image;
}
} // namespace

LinkBanner::~LinkBanner()
{
    // The window goes later, with its parent: it is given back to the static
    // control first, so that its last messages never reach this object.
    child.Detach();
    if (cursor)
        DestroyCursor(cursor);
}

bool LinkBanner::Create(HWND parent, DWORD style, int x, int y, int width, int height, const char* linkAddress)
{
    if (linkAddress && std::strlen(linkAddress) >= sizeof(address))
        return false;
    if (!child.Create(parent, style | SS_NOTIFY, x, y, width, height, this, &LinkBanner::WindowProcedure,
                      StaticChild::AfterDetach::RestoreStatic))
        return false;
    if (linkAddress)
        std::memcpy(address, linkAddress, std::strlen(linkAddress) + 1);
    // The static control takes the mouse only with SS_NOTIFY.
    SetWindowLongPtrA(Window(), GWL_STYLE, GetWindowLongPtrA(Window(), GWL_STYLE) | SS_NOTIFY);
    return true;
}

int LinkBanner::ImageId() const { return banner::ImageFor(colour); }

SIZE LinkBanner::ImageSize() const
{
    SIZE size = {0, 0};
    const int id = ImageId();
    if (id == banner::noImage)
        return size;
    GdiObject<HBITMAP> image(LoadBannerImage(id));
    BITMAP info = {};
    if (image && GetObjectA(image.Get(), sizeof(info), &info)) {
        size.cx = info.bmWidth;
        size.cy = info.bmHeight;
    }
    return size;
}

void LinkBanner::SetColour(std::uint32_t tableColour)
{
    if (tableColour == colour) {
        Repaint();
        return;
    }
    const int oldImage = ImageId();
    colour = tableColour;
    HWND parent = GetParent(Window());
    RECT parentFrame = {};
    if (!parent || !GetWindowRect(parent, &parentFrame))
        return;
    if (banner::NeedsLayout(oldImage, ImageId(), parentFrame.bottom - parentFrame.top)) {
        // The table lays out its children again for the new picture's size.
        RECT client = {};
        GetClientRect(parent, &client);
        PostMessageA(parent, WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    }
}

void LinkBanner::SetScale(const DisplayScale& tableScale)
{
    // The hand is made again at the system's pointer size for a new DPI.
    if (cursor && tableScale.Dpi() != scale.Dpi()) {
        if (GetCursor() == cursor)
            SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))); // IDC_ARROW
        DestroyCursor(cursor);
        cursor = nullptr;
    }
    scale = tableScale;
    Repaint();
}

void LinkBanner::Repaint()
{
    InvalidateRect(Window(), nullptr, FALSE);
    UpdateWindow(Window());
}

LRESULT CALLBACK LinkBanner::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* link = StaticChild::ObjectOf<LinkBanner>(window);
    if (!link)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        link->OnPaint();
        return 0;
    case WM_SETCURSOR:
        link->OnSetCursor();
        return TRUE;
    case WM_LBUTTONDOWN:
        link->OnClick();
        return 0;
    default:
        return CallWindowProcA(link->child.StaticProcedure(), window, message, wParam, lParam);
    }
}

void LinkBanner::OnPaint()
{
    const int id = ImageId();
    GdiObject<HBITMAP> image(BannerImageAt(id, scale));
    RECT client = {};
    GetClientRect(Window(), &client);
    PaintContext paint(Window());
    // Colour 0 has no picture: the banner leaves its place to the table.
    if (!image)
        return;
    SetBkMode(paint.Get(), TRANSPARENT);
    DrawTransparent(paint.Get(), 0, 0, client.right, client.bottom, image.Get(), 0, 0, banner::KeyColourOf(id));
}

void LinkBanner::OnSetCursor()
{
    if (!cursor) {
        // As large as the system's own pointers on the banner's display.
        const hand::Masks masks = hand::CursorMasks(SystemMetricAt(SM_CXCURSOR, WindowDpi(Window())));
        cursor = CreateCursor(GetModuleHandleA(nullptr), masks.hotSpotX, masks.hotSpotY, masks.side, masks.side,
                              masks.andMask.data(), masks.xorMask.data());
    }
    SetCursor(cursor);
}

void LinkBanner::OnClick()
{
    // The banner is drawn again before the shell, which may take a while.
    Repaint();
    if (address[0] != '\0')
        Platform().OpenWithShell(address);
}
