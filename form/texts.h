#pragma once

#include <array>
#include <string_view>

// Every text the program shows, in UTF-8, written once for both editions.
// Full-width spaces and punctuation are part of the texts.
namespace form::texts {

// The face the windows were laid out for.
inline constexpr std::string_view kLayoutFace = "ＭＳ Ｐゴシック";

// The program's name, as a menu or a home screen lists it.
inline constexpr std::string_view kProgramName = "ペルナムの実験３";

// The main window.
inline constexpr std::string_view kMainCaption =
    " ペルナムの実験３　お釣りの５００円玉は何枚用意すればよいか";
inline constexpr std::string_view kTitle = "ペルナムの実験（その３）";
inline constexpr std::string_view kStart = "実験開始";
inline constexpr std::string_view kQuit = "終了";
inline constexpr std::string_view kInitialize = "初期化";
inline constexpr std::string_view kHelp = "HELP";
inline constexpr std::string_view kCustomerCaption = "お客人数";
inline constexpr std::string_view kTrialCaption = "実験回数";
inline constexpr std::string_view kMeanCaption = "不足枚数の平均";

// What a screen reader says of the buttons besides their names.
inline constexpr std::string_view kStartDescription = "実験を行い、度数分布のグラフを描きます";
inline constexpr std::string_view kQuitDescription = "プログラムを終了します";
inline constexpr std::string_view kInitializeDescription =
    "グラフを消して、お客人数と実験回数を入力し直します";
inline constexpr std::string_view kHelpDescription = "設問と操作方法を表示します";

// What a screen reader says in parts is joined by this separator.
inline constexpr std::string_view kNameSeparator = "　";
// The graph's spoken name: the graph, then after a run its outcome,
// "度数分布のグラフ　実験回数 300回　不足枚数の平均 -5.4".
inline constexpr std::string_view kGraphName = "度数分布のグラフ";
inline constexpr std::string_view kGraphTrialsBefore = "　実験回数 ";
inline constexpr std::string_view kGraphTrialsAfter = "回";
inline constexpr std::string_view kGraphMeanBefore = "　不足枚数の平均 ";
// The graph's rows for a screen reader: a value of the horizontal axis and its
// number of trials, "-35　12回"; the open bins at the ends add these.
inline constexpr std::string_view kOrBelow = "以下";
inline constexpr std::string_view kOrAbove = "以上";

// The graph's captions, its vertical-axis labels from the top and the label
// row under its horizontal axis. The row's plain spaces put each number near
// its tick in the face the windows were laid out for.
inline constexpr std::string_view kVerticalAxisCaption = "（縦軸は実験回数）";
inline constexpr std::string_view kHorizontalAxisCaption = "（横軸は不足枚数）";
inline constexpr std::array<std::string_view, 5> kVerticalLabels{"250", "200", "150", "100", "50"};
inline constexpr std::string_view kLabelRow =
    "        -110    -100     -90      -80      -70      -60     -50      -40      -30      -20"
    "      -10       0";

// Parameter entry and the quit question.
inline constexpr std::string_view kCustomerPrompt = "10以上1000以下の整数を入力してください．．．";
inline constexpr std::string_view kCustomerTitle = " お客人数の設定";
inline constexpr std::string_view kTrialPrompt = "1以上1000以下の整数を入力してください．．．";
inline constexpr std::string_view kTrialTitle = " 実験回数の設定";
inline constexpr std::string_view kDefaultAnswer = "100";
inline constexpr std::string_view kEndQuestion = "終了していいですか？";
inline constexpr std::string_view kEndTitle = "確認";
inline constexpr std::string_view kQuitTitle = "ペルナムの実験";
inline constexpr std::string_view kYes = "はい(&Y)";
inline constexpr std::string_view kNo = "いいえ(&N)";
inline constexpr std::string_view kOk = "OK";
inline constexpr std::string_view kCancel = "キャンセル";

// The box shown before the program stops on a fault, under kQuitTitle.
inline constexpr std::string_view kFaultBefore = "実行時エラー: ";

// The help window.
inline constexpr std::string_view kHelpCaption = " ペルナムの実験３＿ヘルプ（設問と操作方法）　";
inline constexpr std::string_view kClose = "閉じる";
inline constexpr std::string_view kHelpTextName = "設問と操作方法";

// The help window's text, one entry per printed line; the line breaks are
// fixed, and full-width spaces give the indents.
inline constexpr std::array<std::string_view, 29> kHelpText = {
    "",
    "　【問　　題】",
    "　　　　　　　　クラス会などの幹事を務めることはありませんか。",
    "　　　　　　　　幹事になったつもりで考えてみてください。",
    "　　　　　　　　仮に、クラス会への参加者人数は３５人で、会費は３５００円であるとします。",
    "　　　　　　　　また、参加者は、１０００円札４枚でお釣りを必要とする人と、１０００円札３枚と",
    "　　　　　　　５００円玉１枚でお釣りの要らない人の２通りだけであるとします。",
    "　　　　　　　　会費は、会場に到着した者から順に集めて、お釣りの要る人にはその時その場で",
    "　　　　　　　お釣りの５００円玉を渡します。",
    "　　　　　　　　ただし、経験上、お釣りの要る人と要らない人の割合は半々であるとします。",
    "　　　　　　　　さあ、幹事のあなたはお釣りの５００円玉を何枚用意しておけばよいのでしょうか。",
    "",
    "　【実験の考え方】",
    "　　　　　　　　お釣りの必要な人と必要でない人の割合は半々なので、１枚のコインを投げて、",
    "　　　　　　　表が出たらお釣りの必要でない人が来たと考え、裏が出たらお釣りの必要な人が",
    "　　　　　　　来たと考えます。",
    "　　　　　　　　つまり、表が出たら３０００円と５００円が支払われるので、５００円玉が１個増え"
    "る",
    "　　　　　　　ことになります。",
    "　　　　　　　　また、裏が出たら４０００円が支払われるので、お釣りが必要となり、５００円玉が",
    "　　　　　　　１個減ることになります。",
    "",
    "　【操作方法】",
    "　　　　　　　　■お客人数(クラス会参加人数)と実験回数を指定して、不足枚数(幹事が用意し",
    "　　　　　　　　ておく５００円玉の数)と実験回数との関係を度数分布グラフで表示します。",
    "　　　　　　　　　お客人数の設定と実験回数の設定のウィンドウでは、整数を入力して［ＯＫ］ボ",
    "　　　　　　　　タンをクリックします。",
    "　　　　　　　　　［実験開始］ボタンをクリックすると、度数分布グラフを表示します。",
    "　　　　　　　　　［初期化］ボタンをクリックすると、グラフがクリアーされ、最初から実験をやり"
    "直",
    "　　　　　　　　せます。",
};

}  // namespace form::texts
