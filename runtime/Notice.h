// A message for the player: what the game's rules refuse, ask or tell, with the box's caption and icon.
#pragma once

#include <string>

constexpr const char* kGameCaption = "Tickerdell";

enum class NoticeIcon { Exclamation, Information, Question, Stop };
enum class NoticeButtons { Ok, YesNo };

struct Notice {
    std::string text;
    std::string caption = kGameCaption;
    NoticeIcon icon = NoticeIcon::Exclamation;
    NoticeButtons buttons = NoticeButtons::Ok;
};

// A refusal: OK, the exclamation icon.
inline Notice refusalNotice(std::string text) {
    return {std::move(text), kGameCaption, NoticeIcon::Exclamation, NoticeButtons::Ok};
}

// A question that only Yes carries out.
inline Notice questionNotice(std::string text, NoticeIcon icon = NoticeIcon::Question) {
    return {std::move(text), kGameCaption, icon, NoticeButtons::YesNo};
}
