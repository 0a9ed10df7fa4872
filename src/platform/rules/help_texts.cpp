// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/rules/help_texts.h"

#include <QStringList>

namespace help_texts {
namespace {

// Lines joined by CR LF; with finalBreak a CR LF follows the last line too.
QString join(const QStringList& lines, bool finalBreak) {
  QString text = lines.join(QStringLiteral("\r\n"));
  if (finalBreak) text += QStringLiteral("\r\n");
  return text;
}

}  // namespace

QString NewRecipe() {
  return join({
      QStringLiteral("新しいレシピを登録します。"),
      QStringLiteral(""),
      QStringLiteral("料理名だけでも登録することができます。"),
      QStringLiteral("料理名と同じファイル名にした画像をゼストラのフォルダに入れると画像が表示されます。"),
      QStringLiteral("必要に応じて各種情報を登録してください。"),
      QStringLiteral(""),
      QStringLiteral("※最後に「登録」ボタンを押してください。"),
      QStringLiteral(""),
      QStringLiteral("※入力を取り消したい場合はスクロールバーで他のレシピを表示させてください。"),
  }, false);
}

QString PicturePicker() {
  return join({
      QStringLiteral("この料理の画像を指定します。（jpg/gif/bmpを読み込めます）"),
      QStringLiteral(""),
      QStringLiteral("①まずは画像が保存されているドライブ名を指定します。"),
      QStringLiteral("②次に画像が保存されているフォルダ名を指定します。"),
      QStringLiteral("③次に取り込みたい画像ファイル名を指定します。"),
      QStringLiteral("④最後に「画像を取り込む」ボタンを押してください。"),
      QStringLiteral(""),
      QStringLiteral("※キャンセルボタンは画像を取り込む前に有効です。"),
  }, false);
}

QString PhotoModeOn() {
  return join({
      QStringLiteral("料理画像を表示します。"),
      QStringLiteral(""),
      QStringLiteral("デジカメやスキャナで保存した料理画像があれば画像付きレシピが楽しめます。"),
  }, true);
}

QString PhotoModeOff() {
  return join({
      QStringLiteral("料理画像を表示しません。"),
      QStringLiteral(""),
      QStringLiteral("料理画像をお持ちでないときはこちらのモードでどうぞ。"),
      QStringLiteral(""),
      QStringLiteral("またレシピの表示を早くしたいときにも有効です。"),
      QStringLiteral("画像を表示しない分速くなります。"),
  }, false);
}

QString Slideshow() {
  return join({
      QStringLiteral("登録してあるレシピ画像をスライドショーのように見ることができます。"),
      QStringLiteral(""),
      QStringLiteral("自分が登録してきた料理の数々を眺め、ウットリする、"),
      QStringLiteral("別名、ナルシストモードと呼んでいます。"),
      QStringLiteral(""),
      QStringLiteral("停止ボタンを押すとそこで表示はストップします。"),
  }, true);
}

QString CategoryEditor() {
  return join({
      QStringLiteral("ジャンル、種類、調理方法の項目を編集することができます。"),
      QStringLiteral(""),
      QStringLiteral("自由に変更して保存ボタンを押してください。"),
  }, true);
}

QString ForWindowButton(const QString& buttonName) {
  if (buttonName == QLatin1String("cmdKensaku"))
    return join({
      QStringLiteral("様々な条件を指定してレシピを検索することができます。"),
      QStringLiteral(""),
      QStringLiteral("例えば…"),
      QStringLiteral(""),
      QStringLiteral("     ・指定した材料を使っているレシピに絞り込むことができます。"),
      QStringLiteral("     ・和食だけ…とか焼き物だけ…のように絞り込むことができます。　"),
      QStringLiteral("　　　　　　　　　　　：　"),
      QStringLiteral("…のように１１項目をキーワードに検索することができます。"),
      QStringLiteral(""),
      QStringLiteral("料理名をクリックするとそのレシピのページが開きます。"),
      QStringLiteral(""),
      QStringLiteral("※フォームを隠すでは料理名選択時にリスト画面が閉じます。"),
      QStringLiteral("  「残す」にするとメイン画面とリスト画面が見れます。"),
  }, true);
  if (buttonName == QLatin1String("cmdSort"))
    return join({
      QStringLiteral("レシピを『カロリー』,『塩分』,『調理時間』,『調理回数』で並び換え表示します。"),
      QStringLiteral(""),
      QStringLiteral("例えば…"),
      QStringLiteral(""),
      QStringLiteral("      最近ちょっと運動不足だしカロリーの低いものを作ろう…とか"),
      QStringLiteral("      短時間で作れるものは？？？　"),
      QStringLiteral(""),
      QStringLiteral("…などのようにご利用いただけるのではないでしょうか。"),
      QStringLiteral(""),
      QStringLiteral(""),
      QStringLiteral("料理名をクリックするとそのレシピのページが開きます。"),
      QStringLiteral(""),
      QStringLiteral("※フォームを隠すでは料理名選択時にリスト画面が閉じます。"),
      QStringLiteral("  「残す」にするとメイン画面とリスト画面が見れます。"),
  }, true);
  if (buttonName == QLatin1String("cmdGraph1"))
    return join({
      QStringLiteral("『ジャンル』,『種類』,『調理方法』でレシピを分類しグラフ表示します。"),
      QStringLiteral(""),
      QStringLiteral("登録しているレシピのバランスを視覚的に知ることができます。"),
      QStringLiteral(""),
      QStringLiteral("円グラフと棒グラフに表示形態を変えることができます。"),
      QStringLiteral(""),
      QStringLiteral("『印刷』ボタンを押すと表示されている状態で印刷します。"),
  }, false);
  if (buttonName == QLatin1String("cmdGraph2"))
    return join({
      QStringLiteral("『調理実績』,『自己評価』,『三者評価』を分析しグラフ表示します。"),
      QStringLiteral(""),
      QStringLiteral("レシピ登録しただけじゃなくて実際に調理した件数や"),
      QStringLiteral("自分としての満足度、家族の評判などを視覚的に知ることができます。"),
      QStringLiteral(""),
      QStringLiteral("円グラフと棒グラフに表示形態を変えることができます。"),
      QStringLiteral(""),
      QStringLiteral("『印刷』ボタンを押すと表示されている状態で印刷します。"),
  }, false);
  if (buttonName == QLatin1String("cmdMenu"))
    return join({
      QStringLiteral("３日分の献立を計画することができます。"),
      QStringLiteral(""),
      QStringLiteral("初日を何日にするかを日付のコンボＢＯＸから選択します。"),
      QStringLiteral("料理名をコンボＢＯＸから選択すると画像を表示します。"),
      QStringLiteral(""),
      QStringLiteral("『献立保存』ボタンを押すと表示されている状態で保存します。"),
      QStringLiteral(""),
      QStringLiteral("『献立印刷』ボタンを押すと表示されている状態で印刷します。　"),
  }, false);
  if (buttonName == QLatin1String("cmdReizou"))
    return join({
      QStringLiteral("バーチャル冷蔵庫機能です。買ってきた材料を管理することができます。"),
      QStringLiteral(""),
      QStringLiteral("★賞味期限が近づいてきたことや賞味期限切れを色で判別できます。"),
      QStringLiteral(""),
      QStringLiteral("★材料クリックで使用する料理名をリスト表示し、料理名クリックでレシピが開けます。"),
      QStringLiteral(""),
      QStringLiteral(""),
      QStringLiteral("＜登録方法＞"),
      QStringLiteral("　①まずは材料コンボボックスから材料を選択します。直接入力もできます。"),
      QStringLiteral("　②購入日は自動的に当日になっています。必要に応じて修正してください。"),
      QStringLiteral("　③賞味期限があるものは賞味期限を日付の選択かあるいは日数で指定します。"),
      QStringLiteral("　④最後に保存ボタンを押してください。"),
  }, true);
  if (buttonName == QLatin1String("cmdPrivate"))
    return join({
      QStringLiteral("ゼストラコミュニケーションは自分のレシピデータを任意に抜き出したり、"),
      QStringLiteral("他のレシピデータを簡単に取り込むことができる機能です。"),
      QStringLiteral(""),
      QStringLiteral("☆料理好きのお友達同士でお互いのレシピを簡単に交換することができます。"),
      QStringLiteral("☆さらにはご自慢のレシピをネット上で公開したり、"),
      QStringLiteral("　公開されているレシピデータを自分のゼストラに取り込むことができるようになります。"),
      QStringLiteral(""),
      QStringLiteral("・Zestra Data For Youで任意のレシピを抜き出して、追加レシピ形式にします。"),
      QStringLiteral("・Zestra Data To Meで入手した追加レシピを自分に取り込みます。"),
      QStringLiteral("・Privateではあなたのニックネーム（レシピの名前）や目標ポイントを変更できます。"),
  }, true);
  if (buttonName == QLatin1String("cmdPrint"))
    return join({
      QStringLiteral("登録したレシピを３つの形態で印刷することができます。"),
      QStringLiteral(""),
      QStringLiteral("＜その１＞　テキストベースの画像付きレシピ集が作れます。"),
      QStringLiteral("＜その２＞　ゼストラの画面そのままのレシピ集が作れます。"),
      QStringLiteral("＜その３＞　オリジナルメニューで家族も大喜び！"),
      QStringLiteral(""),
  }, true);
  return {};
}

}  // namespace help_texts
