// The words of the upload exchange as the game writes them: the two
// accessPrismel.php queries and the body of upload_file.php, read into
// records, with every field held to the exact form the game prints.
//
// Reading only: what a request then does to the store is game_routes.h's.
// Nothing here may accept a field the game could not have sent, since the
// values go on to the database and the pages.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "service/score_records.h"

inline constexpr int kFirstScoreLevel = 1;
inline constexpr int kLastScoreLevel = 60;

// The parsed query of a request (cpp-httplib's Params is this type).
using QueryParams = std::multimap<std::string, std::string>;

// A player's name as the game lets one be typed: 1..15 letters and digits.
bool Valid_Name(std::string_view name);
// A level number "%i" (or "%.3i" in an upload name) of a level with scores.
bool Parse_Level(std::string_view text, int& level);
// A time as "%f" prints it, above 0 and below 10000 seconds.
bool Valid_Time_Text(std::string_view text);

enum class Access { Information, Confirmation, Unknown };
// Which request an accessPrismel.php query is; Unknown when its access
// parameter is missing, repeated or another word.
Access Access_Of(const QueryParams& query);

struct ConfirmationRequest {
  std::string name;
  int64_t timestamp = 0;
};

struct UploadedFile {
  int level = 0;
  std::string time_text;
  std::string name;
  std::string file;  // the score file, decoded
};

// Each false return says why in `why`, for the service log.
bool Read_Information(const QueryParams& query, Ticket& out, std::string& why);
bool Read_Confirmation(const QueryParams& query, ConfirmationRequest& out, std::string& why);
// "LLL_TIME_NAME <Base64>": the raw body, never form-decoded.
bool Read_Upload(std::string_view body, UploadedFile& out, std::string& why);
