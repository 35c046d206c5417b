#include "message/MessagePlatform_win.h"

#include <windows.h>

#include <array>

#include "common/FileStreams_win.h"
#include "common/TextMode.h"
#include "common/WideText_win.h"
#include "common/WinHandles_win.h"

namespace velmar {

unsigned PlatformAnsiCodec::CodePage() const { return GetACP(); }

std::optional<std::string> PlatformAnsiCodec::ToAnsi(std::u16string_view text) const {
    return WideToAnsiExact(std::wstring_view(reinterpret_cast<const wchar_t*>(text.data()), text.size()));
}

std::u16string PlatformAnsiCodec::FromAnsi(std::string_view bytes) const {
    const std::wstring wide = AnsiToWide(bytes);
    return std::u16string(wide.begin(), wide.end());
}

std::optional<std::string> Win32ListFiles::ReadText(std::string_view path) {
    UniqueFile file(CreateFileA(std::string(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    HandleSource raw(file.Get());
    TextModeSource text(raw);
    std::string content;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = text.Read(buffer.data(), buffer.size())) > 0;) content.append(buffer.data(), n);
    return content;
}

LocalTime CurrentLocalTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wDayOfWeek, now.wHour, now.wMinute, now.wSecond};
}

ZoneInfo CurrentZone() {
    ZoneInfo zone;
    TIME_ZONE_INFORMATION info{};
    const DWORD state = GetTimeZoneInformation(&info);
    if (state == TIME_ZONE_ID_INVALID) {
        zone.available = false;
        char tz[64] = {};
        const DWORD n = GetEnvironmentVariableA("TZ", tz, sizeof tz);
        if (n > 0 && n < sizeof tz) zone.tzVariable = std::string(tz, n);
        return zone;
    }
    zone.bias = info.Bias;
    zone.daylightBias = info.DaylightBias;
    zone.daylight = state == TIME_ZONE_ID_DAYLIGHT;
    return zone;
}

}  // namespace velmar
