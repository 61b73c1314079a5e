#pragma once

#include <QString>

namespace veltrano::web {

// Every web page the program opens. Our own pages live under a reserved
// example domain; the partner site is the official study guide of the country
// whose civics the built-in questions cover.
inline constexpr char homePage[] = "https://veltrano.example.org/";
inline constexpr char onlineTestPage[] = "https://veltrano.example.org/online-test";
inline constexpr char sampleTestPage[] = "https://veltrano.example.org/sample-test";
inline constexpr char licenceDeclinedPage[] = "https://veltrano.example.org/license-declined";
inline constexpr char partnerSite[] = "https://www.canada.ca/en/immigration-refugees-citizenship/"
                                      "corporate/publications-manuals/discover-canada.html";
// Where users write to us.
inline constexpr char feedbackAddress[] = "feedback@veltrano.example.org";
// Shown on the About window's link label.
inline constexpr char homePageLabel[] = "veltrano.example.org";

} // namespace veltrano::web

namespace veltrano {

// A mailto: address that opens the user's mail program on a message about
// bank question `question`, its number and text filled in.
QString problemReportAddress(int question, const QString &questionText);

} // namespace veltrano
