#pragma once

namespace peglore::HelpContexts {

// The help contexts of the game's controls and commands; the help file
// Peglore.hlp holds a topic for each. 0 is no context.
inline constexpr int None = 0;
inline constexpr int OkButton = 1;
inline constexpr int CancelButton = 2;
inline constexpr int WhatsNew = 100;
inline constexpr int NewGame = 201;
inline constexpr int Exit = 202;
inline constexpr int GiveUp = 203;
inline constexpr int Properties = 204;
inline constexpr int BeginnerLevel = 211;
inline constexpr int IntermediateLevel = 212;
inline constexpr int ExpertLevel = 213;
inline constexpr int CustomLevel = 214;
inline constexpr int HelpTopics = 221;
inline constexpr int WhatsNewCommand = 222;
inline constexpr int About = 223;
// The items of the guess board's menu and of the "What's This?" menu.
inline constexpr int Repeat = 231;
inline constexpr int Clear = 232;
inline constexpr int ClearRow = 233;
inline constexpr int AskGiveUp = 234;
inline constexpr int WhatsThis = 235;
inline constexpr int BackgroundMusic = 1101;
inline constexpr int SmartHints = 1102;
inline constexpr int AutomaticChecking = 1103;
inline constexpr int ScoreBoard = 3001;
inline constexpr int ColorBar = 3002;
inline constexpr int ClockPanel = 3003;
inline constexpr int BoardColumns = 4001;
inline constexpr int BoardRows = 4002;
inline constexpr int BoardPreview = 4003;
inline constexpr int HintCommand = 6001;
inline constexpr int AnalysisWindow = 6002;
inline constexpr int AnalysisRows = 6003;
inline constexpr int AnalysisHint = 6004;
inline constexpr int AnalysisSecrets = 6005;
inline constexpr int AnalysisReview = 6006;
// The Tools menu's commands beyond the hint and the analysis.
inline constexpr int RecordsCommand = 7003;
inline constexpr int BreakMyCodeCommand = 7005;
inline constexpr int HardModeCommand = 7006;
inline constexpr int PegSymbolsCommand = 7007;
inline constexpr int VariantCommand = 7009;
inline constexpr int KeepGameCommand = 7010;
// The Variant dialog's controls.
inline constexpr int VariantColours = 7601;
inline constexpr int VariantRepeats = 7602;
inline constexpr int VariantClassic = 7603;
// The Break My Code window and its controls.
inline constexpr int CodeBreakerWindow = 7501;
inline constexpr int CodeBreakerSecret = 7502;
inline constexpr int CodeBreakerColors = 7503;
inline constexpr int CodeBreakerRandom = 7504;
inline constexpr int CodeBreakerBoard = 7505;
inline constexpr int CodeBreakerSelfScoring = 7506;
inline constexpr int CodeBreakerAnswer = 7507;
inline constexpr int CodeBreakerStart = 7508;
inline constexpr int CodeBreakerFaster = 7509;
inline constexpr int DailyGameCommand = 7004;
inline constexpr int CopyDailyResultCommand = 7008;
// The controls of the daily game's result window.
inline constexpr int DailyResultText = 7401;
inline constexpr int DailyResultCopy = 7402;

}  // namespace peglore::HelpContexts
