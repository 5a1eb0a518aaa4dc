#pragma once

// A small feed written by hand: three items whose title, text and link all differ, in plain words that no
// reduction of markup changes, so that a message taken apart or cut shows at once.
inline const char* const harbourFeed = R"(<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0">
<channel>
<title>Harbour news</title>
<link>https://harbour.example/</link>
<description>What happens at the harbour</description>
<item><title>Ferry timetable</title><link>https://harbour.example/ferry</link><description>Boats leave at nine and at five.</description></item>
<item><title>Fish market</title><link>https://harbour.example/market</link><description>Open on Sundays too.</description></item>
<item><title>Lighthouse tours</title><link>https://harbour.example/light</link><description>Tours start in May.</description></item>
</channel>
</rss>
)";
