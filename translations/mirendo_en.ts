<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>BatchFile</name>
    <message>
        <source>計算できません</source>
        <translation>Cannot calculate</translation>
    </message>
    <message>
        <source>数値ではありません</source>
        <translation>Not a number</translation>
    </message>
    <message>
        <source>外挿</source>
        <translation>Extrap.</translation>
    </message>
    <message>
        <source>該当なし</source>
        <translation>No X</translation>
    </message>
    <message>
        <source>正の Y が必要です</source>
        <translation>Y must be positive</translation>
    </message>
    <message>
        <source>この範囲にはありません</source>
        <translation>None in this range</translation>
    </message>
    <message>
        <source>範囲内のすべての X</source>
        <translation>Every X in the range</translation>
    </message>
    <message>
        <source>折れ線</source>
        <translation>Polyline</translation>
    </message>
    <message>
        <source>単調3次</source>
        <translation>Monotone cubic</translation>
    </message>
    <message>
        <source>3次スプライン</source>
        <translation>Cubic spline</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>CrossingsAtY</name>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CurveSlope</name>
    <message>
        <source>計算できません</source>
        <translation>Cannot calculate</translation>
    </message>
    <message>
        <source>傾き %1 = %2</source>
        <translation>Slope %1 = %2</translation>
    </message>
    <message>
        <source>比較 傾き = %1</source>
        <translation>Comp. slope = %1</translation>
    </message>
</context>
<context>
    <name>CurveTrust</name>
    <message>
        <source>%1 と %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>単精度誤差 %1</source>
        <translation>Single-precision error %1</translation>
    </message>
    <message>
        <source>・はみ出し %1</source>
        <translation> · overshoot %1</translation>
    </message>
    <message>
        <source>・比較との差 %1</source>
        <translation> · off comparison %1</translation>
    </message>
    <message>
        <source>（表示値の桁に誤差）</source>
        <translation> (error in the shown digits)</translation>
    </message>
    <message>
        <source>（振動に注意：X の近い点があります（%1））</source>
        <translation> (beware of swings: points with close X (%1))</translation>
    </message>
    <message>
        <source>（振動に注意：%1 ならはみ出し %2）</source>
        <translation> (beware of swings: %1 overshoots %2)</translation>
    </message>
    <message>
        <source>（振動に注意：点の数を減らすか、比較で単調3次を見て下さい）</source>
        <translation> (beware of swings: use fewer points, or compare with monotone cubic)</translation>
    </message>
</context>
<context>
    <name>Decorations</name>
    <message>
        <source>開始値</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終了値</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>増分</source>
        <translation>Step</translation>
    </message>
</context>
<context>
    <name>DesktopEntry/Comment</name>
    <message>
        <source>離散データをラグランジュの補間多項式で補間し、グラフを描画・保存します</source>
        <translation>Interpolate a few points with a Lagrange polynomial, plot and save the curve</translation>
    </message>
</context>
<context>
    <name>DesktopEntry/GenericName</name>
    <message>
        <source>ラグランジュ補間</source>
        <translation>Lagrange Interpolation</translation>
    </message>
</context>
<context>
    <name>DesktopEntry/Keywords</name>
    <message>
        <source>補間;ラグランジュ;内挿;外挿;グラフ;</source>
        <translation>interpolation;Lagrange;graph;plot;</translation>
    </message>
</context>
<context>
    <name>ExampleChart</name>
    <message>
        <source>周波数 f [Hz]</source>
        <translation>Frequency f [Hz]</translation>
    </message>
    <message>
        <source>インピーダンス |Z| [Ω]</source>
        <translation>Impedance |Z| [Ω]</translation>
    </message>
    <message>
        <source>図 3&#x3000;インピーダンスの周波数特性（代表値、10 µF）</source>
        <translation>Fig. 3  Impedance against frequency (typical, 10 µF)</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>①</source>
        <translation>①</translation>
    </message>
    <message>
        <source>データ入力方式</source>
        <translation>Data input</translation>
    </message>
    <message>
        <source>ファイルから読み込む</source>
        <translation>Read from a file</translation>
    </message>
    <message>
        <source>直接 手入力する</source>
        <translation>Type by hand</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>②</source>
        <translation>②</translation>
    </message>
    <message>
        <source>スケールモード選択</source>
        <translation>Scale mode</translation>
    </message>
    <message>
        <source>X 軸  -  Y 軸</source>
        <translation>X axis - Y axis</translation>
    </message>
    <message>
        <source>データテーブル</source>
        <translation>Data table</translation>
    </message>
    <message>
        <source>X                Y</source>
        <translation>X                Y</translation>
    </message>
    <message>
        <source>最小値</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>③</source>
        <translation>③</translation>
    </message>
    <message>
        <source>グラフ設定</source>
        <translation>Graph</translation>
    </message>
    <message>
        <source>X 軸 </source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>Y 軸 </source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>開始値</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終了値</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>増 分</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>下図参照&#x3000;入力例 (0, 10, 1E-2, 1e+03)</source>
        <translation>See graph below. e.g. (0, 10, 1E-2, 1e+03)</translation>
    </message>
    <message>
        <source>④</source>
        <translation>④</translation>
    </message>
    <message>
        <source>⑤</source>
        <translation>⑤</translation>
    </message>
    <message>
        <source>データ点グラフ描画</source>
        <translation>Plot data points</translation>
    </message>
    <message>
        <source>⑥</source>
        <translation>⑥</translation>
    </message>
    <message>
        <source>ラグランジュ補間計算</source>
        <translation>Lagrange interpolation</translation>
    </message>
    <message>
        <source>⑦</source>
        <translation>⑦</translation>
    </message>
    <message>
        <source>補間グラフ描画</source>
        <translation>Draw the curve</translation>
    </message>
    <message>
        <source>⑧</source>
        <translation>⑧</translation>
    </message>
    <message>
        <source>データ保存</source>
        <translation>Save data</translation>
    </message>
    <message>
        <source>グラフ画像保存</source>
        <translation>Save graph image</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Y-Stop</source>
        <translation>Y-Stop</translation>
    </message>
    <message>
        <source>Y-Start</source>
        <translation>Y-Start</translation>
    </message>
    <message>
        <source>X-Start</source>
        <translation>X-Start</translation>
    </message>
    <message>
        <source>X-Stop</source>
        <translation>X-Stop</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>Y=</source>
        <translation>Y=</translation>
    </message>
    <message>
        <source>比較</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>画像から</source>
        <translation>Chart</translation>
    </message>
</context>
<context>
    <name>Form10</name>
    <message>
        <source>補間の対象とするデータ</source>
        <translation>Data to interpolate</translation>
    </message>
    <message>
        <source>データ書式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>ファイルを選択して下さい</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>このファイルの内容</source>
        <translation>Contents of the file</translation>
    </message>
    <message>
        <source>X                Y</source>
        <translation>X                Y</translation>
    </message>
    <message>
        <source>最小値</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>クリップボードから</source>
        <translation>From clipboard</translation>
    </message>
    <message>
        <source>グラフ画像</source>
        <translation>Chart image</translation>
    </message>
</context>
<context>
    <name>Form11</name>
    <message>
        <source>データを入力して下さい</source>
        <translation>Enter the data</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>OK・次データ</source>
        <translation>OK, next point</translation>
    </message>
    <message>
        <source>入力終了</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>OK（修正なし）</source>
        <translation>OK (no correction)</translation>
    </message>
    <message>
        <source>入力値を修正する</source>
        <translation>Correct a value</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>修正終了</source>
        <translation>Correction done</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>入力したデータ</source>
        <translation>Data entered</translation>
    </message>
    <message>
        <source>X                Y</source>
        <translation>X                Y</translation>
    </message>
    <message>
        <source>最小値</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>最大値</source>
        <translation>Max</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Mirendo ver.3</source>
        <translation>Mirendo ver.3</translation>
    </message>
    <message>
        <source>離散データの補間</source>
        <translation>Interpolating data</translation>
    </message>
    <message>
        <source>内挿・外挿</source>
        <translation>inside and out</translation>
    </message>
    <message>
        <source>ラグランジュの補間多項式により</source>
        <translation>Interpolates discrete data</translation>
    </message>
    <message>
        <source>離散データの補間を行います</source>
        <translation>with a Lagrange polynomial</translation>
    </message>
    <message>
        <source>Linear - Linear  scale</source>
        <translation>Linear - Linear  scale</translation>
    </message>
    <message>
        <source>Linear - Log  scale</source>
        <translation>Linear - Log  scale</translation>
    </message>
    <message>
        <source>Log - Linear  scale</source>
        <translation>Log - Linear  scale</translation>
    </message>
    <message>
        <source>Log - Log  scale</source>
        <translation>Log - Log  scale</translation>
    </message>
    <message>
        <source>いずれの平面上のデータにも対応</source>
        <translation>on any of these scales</translation>
    </message>
    <message>
        <source>最大 10 ポイントのデータまで対応</source>
        <translation>for up to 10 data points</translation>
    </message>
    <message>
        <source>注意</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>ポイント数を大きくすると</source>
        <translation>With more points,</translation>
    </message>
    <message>
        <source>振動・発散 (ルンゲ現象) が</source>
        <translation>swings and divergence</translation>
    </message>
    <message>
        <source>生じる確率が高くなります</source>
        <translation>(Runge) grow likelier</translation>
    </message>
    <message>
        <source>（ 5, 6 ポイント程度を推奨）</source>
        <translation>(5 or 6 points advised)</translation>
    </message>
    <message>
        <source>新規補間計算</source>
        <translation>New interpolation</translation>
    </message>
    <message>
        <source>ファイルデータの
書式例</source>
        <translation>File data
format</translation>
    </message>
    <message>
        <source>補間データ検索</source>
        <translation>Browse curves</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>ファイル読み込み時に、エラーが発生しました。</source>
        <translation>An error occurred while reading the file.</translation>
    </message>
    <message>
        <source>原因として、下記が考えられます。</source>
        <translation>Possible causes:</translation>
    </message>
    <message>
        <source>・データが１列しかない行がある。</source>
        <translation>- A line has only one value.</translation>
    </message>
    <message>
        <source>・データが３列以上ある行がある。</source>
        <translation>- A line has three values or more.</translation>
    </message>
    <message>
        <source>・データ数が制限値（10）を超えている。</source>
        <translation>- More points than the limit (10).</translation>
    </message>
    <message>
        <source>・不連続点が存在する（同じＸ値がある）。</source>
        <translation>- A discontinuity (the same X twice).</translation>
    </message>
    <message>
        <source>・Ｘ軸データ値の順序が途中で間違っている。</source>
        <translation>- The X values are out of order.</translation>
    </message>
    <message>
        <source>・データ以外の内容が書き込まれた行がある。</source>
        <translation>- A line holds something else than data.</translation>
    </message>
    <message>
        <source>確認の上、ファイル内容を修正して下さい。</source>
        <translation>Please check and correct the file.</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>補間データを保存します</source>
        <translation>Saves the interpolation</translation>
    </message>
    <message>
        <source>（エクセルcsv形式で保存）</source>
        <translation>(as an Excel CSV file)</translation>
    </message>
    <message>
        <source>保存ファイル名を入力して下さい</source>
        <translation>Enter the file name</translation>
    </message>
    <message>
        <source>（拡張子は付けないで下さい）</source>
        <translation>(without an extension)</translation>
    </message>
    <message>
        <source> -Mi.csv</source>
        <translation> -Mi.csv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>表示されているグラフ画像を</source>
        <translation>Saves the graph shown</translation>
    </message>
    <message>
        <source>ビットマップ形式で保存します</source>
        <translation>as a bitmap</translation>
    </message>
    <message>
        <source>保存ファイル名を入力して下さい</source>
        <translation>Enter the file name</translation>
    </message>
    <message>
        <source>（拡張子は付けないで下さい）</source>
        <translation>(without an extension)</translation>
    </message>
    <message>
        <source> .bmp</source>
        <translation> .bmp</translation>
    </message>
    <message>
        <source>BMP|PNG|SVG</source>
        <translation>BMP|PNG|SVG</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>ラグランジュ補間データ検索</source>
        <translation>Browse Lagrange curves</translation>
    </message>
    <message>
        <source>ファイルを選択して下さい</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>グラフ描画</source>
        <translation>Draw graph</translation>
    </message>
    <message>
        <source>データ点描画</source>
        <translation>Plot points</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>X-Start</source>
        <translation>X-Start</translation>
    </message>
    <message>
        <source>X-Stop</source>
        <translation>X-Stop</translation>
    </message>
    <message>
        <source>Y-Start</source>
        <translation>Y-Start</translation>
    </message>
    <message>
        <source>Y-Stop</source>
        <translation>Y-Stop</translation>
    </message>
    <message>
        <source>X =</source>
        <translation>X =</translation>
    </message>
    <message>
        <source>Y=</source>
        <translation>Y=</translation>
    </message>
    <message>
        <source>任意 X 入力 ⇒</source>
        <translation>Any X ⇒</translation>
    </message>
    <message>
        <source>（外挿も可）</source>
        <translation>(may extrapolate)</translation>
    </message>
    <message>
        <source>グラフ画像保存</source>
        <translation>Save graph image</translation>
    </message>
    <message>
        <source>一括計算</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>この点で再計算</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <source>任意 Y 入力 ⇒</source>
        <translation>Any Y ⇒</translation>
    </message>
    <message>
        <source>X=</source>
        <translation>X=</translation>
    </message>
    <message>
        <source>比較</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>面積 X1〜X2 ⇒</source>
        <translation>Area X1–X2 ⇒</translation>
    </message>
    <message>
        <source>〜</source>
        <translation>–</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calc.</translation>
    </message>
</context>
<context>
    <name>Form9</name>
    <message>
        <source>補間の対象となる離散データの書式</source>
        <translation>Format of the data to interpolate</translation>
    </message>
    <message>
        <source>添付したデータ例（テキストエディタでも読み込み可）を参照</source>
        <translation>See the data examples (any text editor opens them)</translation>
    </message>
    <message>
        <source>１行に２データ（Ｘ値, Ｙ値 の順）とする</source>
        <translation>Two values a line (X, then Y)</translation>
    </message>
    <message>
        <source>１行に１データ，１行に３データ以上は不可</source>
        <translation>Not one value, nor three or more, a line</translation>
    </message>
    <message>
        <source>１列目Ｘ座標値&#x3000;２列目Ｙ座標値&#x3000;を</source>
        <translation>X in the first column, Y in the second,</translation>
    </message>
    <message>
        <source>(1) カンマ（ ，）で区切ったテキストファイル（拡張子を csv とする）</source>
        <translation>(1) separated by commas (a text file named .csv)</translation>
    </message>
    <message>
        <source>(2) スペースで区切ったテキストファイル（拡張子を dat とする）</source>
        <translation>(2) separated by spaces (a text file named .dat)</translation>
    </message>
    <message>
        <source>の いずれかとする</source>
        <translation>either of them</translation>
    </message>
    <message>
        <source>最大10行までとする（最大データ点 10）&#x3000;（データ点 5, 6 程度を推奨）</source>
        <translation>At most 10 lines (10 data points)  (5 or 6 points advised)</translation>
    </message>
    <message>
        <source>データ例（クリック）</source>
        <translation>Examples (click)</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>FormBatch</name>
    <message>
        <source>計算の向き</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>X → Y|Y → X</source>
        <translation>X → Y|Y → X</translation>
    </message>
    <message>
        <source>X 値（1 行に 1 つ、または空白・カンマ・タブ区切り）</source>
        <translation>X values (one a line, or separated by blanks, commas, tabs)</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>計算結果</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>保存先</source>
        <translation>File</translation>
    </message>
    <message>
        <source>参照…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>CSV保存</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>等間隔…</source>
        <translation>Grid…</translation>
    </message>
    <message>
        <source>傾きの列</source>
        <translation>Slope</translation>
    </message>
    <message>
        <source>なし|あり</source>
        <translation>No|Yes</translation>
    </message>
</context>
<context>
    <name>FormChart</name>
    <message>
        <source>画像を開く…</source>
        <translation>Open image…</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>ページ</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>全体表示</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>＋</source>
        <translation>+</translation>
    </message>
    <message>
        <source>－</source>
        <translation>−</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>やり直す</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>目盛りの基準点（値を入力）</source>
        <translation>Axis reference points (type values)</translation>
    </message>
    <message>
        <source>X1</source>
        <translation>X1</translation>
    </message>
    <message>
        <source>X2</source>
        <translation>X2</translation>
    </message>
    <message>
        <source>Y1</source>
        <translation>Y1</translation>
    </message>
    <message>
        <source>Y2</source>
        <translation>Y2</translation>
    </message>
    <message>
        <source>X 軸</source>
        <translation>X axis</translation>
    </message>
    <message>
        <source>線形|対数</source>
        <translation>Linear|Log</translation>
    </message>
    <message>
        <source>Y 軸</source>
        <translation>Y axis</translation>
    </message>
    <message>
        <source>読み取った点（X, Y, 半画素の幅）</source>
        <translation>Points read (X, Y, half a pixel)</translation>
    </message>
    <message>
        <source>線の中心に合わせる</source>
        <translation>Snap to line centre</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>点ファイル保存</source>
        <translation>Save points</translation>
    </message>
    <message>
        <source>この点で計算</source>
        <translation>Calculate</translation>
    </message>
</context>
<context>
    <name>FormChartSave</name>
    <message>
        <source>読み取った点を点ファイル（.csv）に保存します</source>
        <translation>Saves the points read as a point file (.csv)</translation>
    </message>
    <message>
        <source>保存ファイル名を入力して下さい</source>
        <translation>Enter the file name to save</translation>
    </message>
    <message>
        <source>（拡張子は付けないで下さい）</source>
        <translation>(without an extension)</translation>
    </message>
    <message>
        <source> .csv</source>
        <translation> .csv</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FormGrid</name>
    <message>
        <source>間隔</source>
        <translation>Spacing</translation>
    </message>
    <message>
        <source>等差（開始値から増分ずつ）|対数（1 桁あたり N 個）</source>
        <translation>Linear (start plus steps)|Log (N per decade)</translation>
    </message>
    <message>
        <source>開始値</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終了値</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>増分</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>終了値を超えない範囲で、値は 100000 個まで。X の欄の内容を置き換えて計算します（Ctrl+Z で元に戻せます）。</source>
        <translation>Up to the stop, at most 100000 values. Replaces the X box and calculates (Ctrl+Z undoes it).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>GraphPanel</name>
    <message>
        <source>X 軸の開始値</source>
        <translation>X axis start</translation>
    </message>
    <message>
        <source>X 軸の終了値</source>
        <translation>X axis stop</translation>
    </message>
    <message>
        <source>Y 軸の開始値</source>
        <translation>Y axis start</translation>
    </message>
    <message>
        <source>Y 軸の終了値</source>
        <translation>Y axis stop</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>%1 の値が数値ではありません</source>
        <translation>The value of %1 is not a number</translation>
    </message>
</context>
<context>
    <name>MessageTexts</name>
    <message>
        <source>スケールモード</source>
        <translation>scale mode</translation>
    </message>
    <message>
        <source>データ点の数</source>
        <translation>number of points</translation>
    </message>
    <message>
        <source>補間点の数</source>
        <translation>number of samples</translation>
    </message>
    <message>
        <source>係数</source>
        <translation>coefficient</translation>
    </message>
    <message>
        <source>X 軸 開始値</source>
        <translation>X axis start</translation>
    </message>
    <message>
        <source>X 軸 終了値</source>
        <translation>X axis stop</translation>
    </message>
    <message>
        <source>X 軸 増分</source>
        <translation>X axis step</translation>
    </message>
    <message>
        <source>Y 軸 開始値</source>
        <translation>Y axis start</translation>
    </message>
    <message>
        <source>Y 軸 終了値</source>
        <translation>Y axis stop</translation>
    </message>
    <message>
        <source>Y 軸 増分</source>
        <translation>Y axis step</translation>
    </message>
    <message>
        <source>ファイルが途中で終わっています</source>
        <translation>The file ends too early</translation>
    </message>
    <message>
        <source>ファイルが途中で終わっています（%1）</source>
        <translation>The file ends too early (%1)</translation>
    </message>
    <message>
        <source>%1 行目の %2 が数値ではありません</source>
        <translation>Line %1: the %2 is not a number</translation>
    </message>
    <message>
        <source>%1 行目の %2 が整数ではありません</source>
        <translation>Line %1: the %2 is not an integer</translation>
    </message>
    <message>
        <source>%1 の値が大きすぎます</source>
        <translation>The value of %1 is too large</translation>
    </message>
    <message>
        <source>%1 行目の %2 が大きすぎます</source>
        <translation>Line %1: the %2 is too large</translation>
    </message>
    <message>
        <source>スケールモードが 1〜4 ではありません</source>
        <translation>The scale mode is not 1 to 4</translation>
    </message>
    <message>
        <source>データ点の数 %1 が 0〜10 の範囲外です</source>
        <translation>The number of points %1 is not within 0 to 10</translation>
    </message>
    <message>
        <source>補間点の数 %1 が 0〜600 の範囲外です</source>
        <translation>The number of samples %1 is not within 0 to 600</translation>
    </message>
    <message>
        <source>%1 軸の開始値が終了値より小さくありません</source>
        <translation>The %1 axis start is not below its stop</translation>
    </message>
    <message>
        <source>%1 軸（対数）の開始値が正ではありません</source>
        <translation>The %1 axis (logarithmic) start is not positive</translation>
    </message>
    <message>
        <source>%1 軸（対数）の範囲 &quot;%2&quot; が 1.0E+02 の形ではありません</source>
        <translation>The %1 axis (logarithmic) range &quot;%2&quot; is not of the form 1.0E+02</translation>
    </message>
    <message>
        <source>ファイルがありません</source>
        <translation>The file does not exist</translation>
    </message>
    <message>
        <source>ファイルを読む権限がありません</source>
        <translation>No permission to read the file</translation>
    </message>
    <message>
        <source>ファイル名が長すぎます</source>
        <translation>The file name is too long</translation>
    </message>
    <message>
        <source>ファイルを開けません</source>
        <translation>Cannot open the file</translation>
    </message>
    <message>
        <source>ファイルを開けません（エラー番号 %1）</source>
        <translation>Cannot open the file (error %1)</translation>
    </message>
    <message>
        <source>フォルダです（ファイルを指定して下さい）</source>
        <translation>It is a folder (choose a file)</translation>
    </message>
    <message>
        <source>通常のファイルではありません（デバイスなど）</source>
        <translation>Not a regular file (a device, say)</translation>
    </message>
    <message>
        <source>ファイルの読み込み中にエラーが起きました</source>
        <translation>An error occurred while reading the file</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>The file is too large</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 を超えています）</source>
        <translation>The file is too large (over %1)</translation>
    </message>
    <message>
        <source>補間データのファイル（*-Mi.csv）ではありません</source>
        <translation>Not an interpolation file (*-Mi.csv)</translation>
    </message>
    <message>
        <source>データ点のファイルです（補間データのファイル *-Mi.csv ではありません）</source>
        <translation>A file of data points (not an interpolation file *-Mi.csv)</translation>
    </message>
    <message>
        <source>Mirendo が読み込まない種類のファイルです（読み込むのは .csv・.dat・-Mi.csv です）</source>
        <translation>Mirendo does not read this kind of file (it reads .csv, .dat, -Mi.csv)</translation>
    </message>
    <message>
        <source>結果を書き込めません（ディスクの空き容量が足りません）</source>
        <translation>Cannot write the result (the disk is full)</translation>
    </message>
    <message>
        <source>結果を書き込めません（出力先が閉じられました）</source>
        <translation>Cannot write the result (the output was closed)</translation>
    </message>
    <message>
        <source>結果を書き込めません（ディスクの読み書きに失敗しました）</source>
        <translation>Cannot write the result (a disk input/output error)</translation>
    </message>
    <message>
        <source>結果を書き込めません</source>
        <translation>Cannot write the result</translation>
    </message>
    <message>
        <source>結果を書き込めません（エラー番号 %1）</source>
        <translation>Cannot write the result (error %1)</translation>
    </message>
    <message>
        <source>開始値</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>終了値</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>増分</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>1 桁あたりの個数</source>
        <translation>values per decade</translation>
    </message>
    <message>
        <source>%1 が数値ではありません</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>増分が 0 です</source>
        <translation>The step is 0</translation>
    </message>
    <message>
        <source>値が %1 個を超えます（%2 個）</source>
        <translation>More than %1 values (%2)</translation>
    </message>
    <message>
        <source>値が %1 個を超えます</source>
        <translation>More than %1 values</translation>
    </message>
    <message>
        <source>対数の間隔の%1には 0 より大きい値が必要です</source>
        <translation>A logarithmic spacing needs a %1 above 0</translation>
    </message>
    <message>
        <source>1 桁あたりの個数は 1 以上の整数で指定して下さい</source>
        <translation>Give the values per decade as a whole number from 1</translation>
    </message>
    <message>
        <source>面積の %1 の値が入力されていません</source>
        <translation>No value entered for the area&apos;s %1</translation>
    </message>
    <message>
        <source>面積の %1 の値が数値ではありません（入力: %2）</source>
        <translation>The area&apos;s %1 is not a number (entered: %2)</translation>
    </message>
    <message>
        <source>X 軸が対数のため、%1 には 0 より大きい値を入力して下さい（入力: %2）</source>
        <translation>The X axis is logarithmic: enter a %1 above 0 (entered: %2)</translation>
    </message>
    <message>
        <source>グラフの X の範囲（開始値・終了値）が正しくないため計算できません</source>
        <translation>Cannot calculate: the graph&apos;s X range (start, stop) is wrong</translation>
    </message>
    <message>
        <source>%1（%2）がグラフの X の範囲の外にあります</source>
        <translation>%1 (%2) lies outside the graph&apos;s X range</translation>
    </message>
    <message>
        <source>面積が大きすぎて計算できません</source>
        <translation>The area is too large to calculate</translation>
    </message>
    <message>
        <source>正しく計算できません</source>
        <translation>Cannot calculate correctly</translation>
    </message>
    <message>
        <source>基準点 %1 がまだ置かれていません</source>
        <translation>Reference point %1 is not placed yet</translation>
    </message>
    <message>
        <source>基準点 %1 の値が入力されていません</source>
        <translation>No value entered for reference point %1</translation>
    </message>
    <message>
        <source>%1 軸の 2 つの基準点が同じ位置にあります。離して置いてください</source>
        <translation>The two reference points of the %1 axis are at one place. Place them apart</translation>
    </message>
    <message>
        <source>%1 軸の 2 つの基準点の値が同じです。違う値を入力してください</source>
        <translation>The two reference points of the %1 axis have the same value. Enter different values</translation>
    </message>
    <message>
        <source>対数軸の基準点 %1 の値は 0 より大きくなければなりません</source>
        <translation>Reference point %1 of a logarithmic axis needs a value above 0</translation>
    </message>
    <message>
        <source>X 軸と Y 軸の基準点が同じ向きに並んでいるため、2 つの軸の向きが決まりません</source>
        <translation>The X and Y reference points lie in one direction, so the two axes cannot be told apart</translation>
    </message>
    <message>
        <source>較正ファイルが大きすぎます</source>
        <translation>The calibration file is too large</translation>
    </message>
    <message>
        <source>較正ファイルの形式ではありません</source>
        <translation>Not a calibration file</translation>
    </message>
    <message>
        <source>較正ファイルの %1 行目が読めません</source>
        <translation>Line %1 of the calibration file cannot be read</translation>
    </message>
    <message>
        <source>較正ファイルの %1 行目の数値が範囲外です</source>
        <translation>Line %1 of the calibration file has a number out of range</translation>
    </message>
    <message>
        <source>較正ファイルの %1 行目が重複しています</source>
        <translation>Line %1 of the calibration file is repeated</translation>
    </message>
    <message>
        <source>較正ファイルの点が 10 個を超えています（%1 行目）</source>
        <translation>The calibration file has more than 10 points (line %1)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>ファイル名が長すぎます</source>
        <translation>The file name is too long</translation>
    </message>
    <message>
        <source>この場所に書き込む権限がありません</source>
        <translation>No permission to write here</translation>
    </message>
    <message>
        <source>書き込みのできない場所です</source>
        <translation>This place is read-only</translation>
    </message>
    <message>
        <source>ディスクの空き容量が足りません</source>
        <translation>The disk is full</translation>
    </message>
    <message>
        <source>保存先のフォルダがありません</source>
        <translation>The folder does not exist</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります</source>
        <translation>A folder of that name exists</translation>
    </message>
    <message>
        <source>この名前はファイル名に使えません</source>
        <translation>This name cannot be a file name</translation>
    </message>
    <message>
        <source>ファイルが使用中です</source>
        <translation>The file is in use</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>ディスクの読み書きに失敗しました</source>
        <translation>A disk input/output error</translation>
    </message>
    <message>
        <source>ファイルを書き込めません（エラー番号 %1）</source>
        <translation>Cannot write the file (error %1)</translation>
    </message>
    <message>
        <source>（F2B.dat がありません）</source>
        <translation>(F2B.dat does not exist)</translation>
    </message>
    <message>
        <source>（F2B.dat を開けません）</source>
        <translation>(cannot open F2B.dat)</translation>
    </message>
    <message>
        <source>（ファイルが途中で終わっています）</source>
        <translation>(the file ends too early)</translation>
    </message>
    <message>
        <source>（数値でない値があります）</source>
        <translation>(a value is not a number)</translation>
    </message>
    <message>
        <source>（データ点の数が 10 を超えています）</source>
        <translation>(more than 10 data points)</translation>
    </message>
    <message>
        <source>（補間点の数が 600 を超えています）</source>
        <translation>(more than 600 samples)</translation>
    </message>
    <message>
        <source>（スケールモードが不正です）</source>
        <translation>(the scale mode is wrong)</translation>
    </message>
    <message>
        <source>（計算中に%1が起きました。X の値が近すぎる点や、大きすぎる値がないか確かめて下さい）</source>
        <translation>(%1 during the calculation. Check for points with X too close, or values too large)</translation>
    </message>
    <message>
        <source>（計算依頼ファイル B2F.dat がないか、内容が正しくありません）</source>
        <translation>(the request file B2F.dat is missing or wrong)</translation>
    </message>
    <message>
        <source>0 による割り算</source>
        <translation>a division by zero</translation>
    </message>
    <message>
        <source>桁あふれ</source>
        <translation>an overflow</translation>
    </message>
    <message>
        <source>無効な演算</source>
        <translation>an invalid operation</translation>
    </message>
    <message>
        <source>浮動小数点演算の異常</source>
        <translation>a floating-point fault</translation>
    </message>
    <message>
        <source>（計算結果ファイル F2B.dat を書き込めません。作業フォルダの空き容量と書き込み権限を確かめて下さい）</source>
        <translation>(cannot write the result file F2B.dat. Check the free space and permissions of the working folder)</translation>
    </message>
    <message>
        <source>（計算プログラムの内部エラーです。メモリが足りない可能性があります）</source>
        <translation>(an internal error of the engine. Memory may be short)</translation>
    </message>
    <message>
        <source>（計算プログラムが終了コード %1 で終了しました）</source>
        <translation>(the engine ended with exit code %1)</translation>
    </message>
    <message>
        <source>（計算プログラムが異常終了しました）</source>
        <translation>(the engine crashed)</translation>
    </message>
    <message>
        <source>計算依頼ファイル B2F.dat を書き込めません
</source>
        <translation>Cannot write the request file B2F.dat
</translation>
    </message>
    <message>
        <source>計算プログラム Ventrel が見つかりません</source>
        <translation>The engine Ventrel is not found</translation>
    </message>
    <message>
        <source>計算プログラム Ventrel を起動できません</source>
        <translation>Cannot start the engine Ventrel</translation>
    </message>
    <message>
        <source>
（%1 が実行できるファイルか確かめて下さい）</source>
        <translation>
(check that %1 is an executable file)</translation>
    </message>
    <message>
        <source>&#x3000;補間計算が終了していません&#x3000;
（しばらく待ってから、もう一度押して下さい）</source>
        <translation>  The interpolation has not finished  
(wait a moment, then press again)</translation>
    </message>
    <message>
        <source>補間計算が中断されました</source>
        <translation>The interpolation was stopped</translation>
    </message>
    <message>
        <source>補間計算に失敗しました
</source>
        <translation>The interpolation failed
</translation>
    </message>
    <message>
        <source>計算結果ファイルを読み込めません
</source>
        <translation>Cannot read the result file
</translation>
    </message>
    <message>
        <source>カンマ（,）を含んでいます</source>
        <translation>contains a comma (,)</translation>
    </message>
    <message>
        <source>改行を含んでいます</source>
        <translation>contains a line break</translation>
    </message>
    <message>
        <source>二重引用符（&quot;）で始まっています</source>
        <translation>starts with a double quote (&quot;)</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます（%1 KiB を超えています）：%2</source>
        <translation>The file is too large (over %1 KiB): %2</translation>
    </message>
    <message>
        <source>行が長すぎます（%1 バイトを超えています）</source>
        <translation>The line is too long (over %1 bytes)</translation>
    </message>
    <message>
        <source>NUL 文字があります（テキストファイルではありません）</source>
        <translation>A NUL character (not a text file)</translation>
    </message>
    <message>
        <source>UTF-16 の形式です（テキストは UTF-8 で保存して下さい）：%1</source>
        <translation>UTF-16 text (save the text as UTF-8): %1</translation>
    </message>
    <message>
        <source>データ数が %1 を超えています</source>
        <translation>More than %1 data points</translation>
    </message>
    <message>
        <source>データ数が %1 を超えています（ファイルは %2 行を超えています）</source>
        <translation>More than %1 data points (the file has over %2 lines)</translation>
    </message>
    <message>
        <source>%1 の値がありません（ファイル全体で値が足りません）</source>
        <translation>No %1 value (the file lacks values)</translation>
    </message>
    <message>
        <source>%1 の値が空です（余分なカンマがあります）</source>
        <translation>The %1 value is empty (an extra comma)</translation>
    </message>
    <message>
        <source>%1 の値「%2」が数値ではありません</source>
        <translation>The %1 value &quot;%2&quot; is not a number</translation>
    </message>
    <message>
        <source>%1 の値「%2」は大きすぎるか小さすぎて扱えません</source>
        <translation>The %1 value &quot;%2&quot; is too large or too small</translation>
    </message>
    <message>
        <source>数字の間に改行しない空白があります（桁区切りか値の区切りか決められません）</source>
        <translation>A no-break space between digits (a digit group or a separator?)</translation>
    </message>
    <message>
        <source>カンマが小数点か値の区切りか決められません（小数点にカンマを使うときは、X と Y をセミコロン（;）で区切って下さい）</source>
        <translation>A comma may be a decimal point or a separator (with decimal commas, separate X and Y by a semicolon (;))</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>ファイルを開けません：%1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>%1(%2) が有限の数ではありません</source>
        <translation>%1(%2) is not a finite number</translation>
    </message>
    <message>
        <source>%1 行目：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>貼り付けるデータがありません</source>
        <translation>Nothing to paste</translation>
    </message>
    <message>
        <source>%1 行目：データ数が上限を超えます（あと %2 点まで入力できます）</source>
        <translation>Line %1: too many points (%2 more can be entered)</translation>
    </message>
    <message>
        <source>%1 行目：X と Y の 2 つの数値の行ではありません</source>
        <translation>Line %1: not a line of two numbers X and Y</translation>
    </message>
    <message>
        <source>クリップボード</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>貼り付けたデータは入力されませんでした
%1</source>
        <translation>The pasted data was not entered
%1</translation>
    </message>
    <message>
        <source>X 軸の開始値 %1</source>
        <translation>X axis start %1</translation>
    </message>
    <message>
        <source>X 軸の終了値 %1</source>
        <translation>X axis stop %1</translation>
    </message>
    <message>
        <source>データ点 %1 の %2 値 %3</source>
        <translation>Point %1&apos;s %2 value %3</translation>
    </message>
    <message>
        <source>%1 は計算できません
計算は単精度で行うため、0 と、絶対値が約 1.2E-38 から約 3.4E+38 までの値だけを扱えます</source>
        <translation>%1 cannot be calculated
The calculation is single-precision: only 0 and magnitudes from about 1.2E-38 to about 3.4E+38</translation>
    </message>
    <message>
        <source>  このファイルは読み込めません  
  </source>
        <translation>  This file cannot be read  
  </translation>
    </message>
    <message>
        <source>ファイル一覧に表示できない名前です（隠しファイルなど）</source>
        <translation>A name the file list cannot show (a hidden file, say)</translation>
    </message>
    <message>
        <source>テキストファイルではありません</source>
        <translation>Not a text file</translation>
    </message>
    <message>
        <source>ファイルを読み込めません</source>
        <translation>Cannot read the file</translation>
    </message>
    <message>
        <source>ファイル %1 を読み込めませんでした
%2</source>
        <translation>Could not read the file %1
%2</translation>
    </message>
    <message>
        <source>（ファイルが長いため先頭の %1 行だけを表示しています）</source>
        <translation>(the file is long: only its first %1 lines are shown)</translation>
    </message>
    <message>
        <source>ファイルをドロップして下さい</source>
        <translation>Drop a file</translation>
    </message>
    <message>
        <source>ファイルは１つずつドロップして下さい</source>
        <translation>Drop one file at a time</translation>
    </message>
    <message>
        <source>フォルダーは読み込めません
ファイルをドロップして下さい</source>
        <translation>A folder cannot be read
Drop a file</translation>
    </message>
    <message>
        <source>このコンピューター上のファイルだけ読み込めます</source>
        <translation>Only files on this computer can be read</translation>
    </message>
    <message>
        <source>読み込めるのはデータファイル（.csv / .dat）です</source>
        <translation>Data files (.csv / .dat) can be read</translation>
    </message>
    <message>
        <source>読み込めるのは補間データファイル（-Mi.csv）です</source>
        <translation>Interpolation files (-Mi.csv) can be read</translation>
    </message>
    <message>
        <source>いまは新しいデータを読み込めません</source>
        <translation>New data cannot be read now</translation>
    </message>
    <message>
        <source>ファイル受け渡し用のフォルダが別のユーザーのものです</source>
        <translation>The hand-over folder belongs to another user</translation>
    </message>
    <message>
        <source>ファイル受け渡し用のフォルダが他のユーザーにも開かれています</source>
        <translation>The hand-over folder is open to other users</translation>
    </message>
    <message>
        <source>ファイル受け渡し用のフォルダがフォルダではありません</source>
        <translation>The hand-over folder is not a folder</translation>
    </message>
    <message>
        <source>ファイル受け渡し用のフォルダを作れません</source>
        <translation>Cannot make the hand-over folder</translation>
    </message>
    <message>
        <source>ファイル受け渡しの準備ができません</source>
        <translation>Cannot prepare the file hand-over</translation>
    </message>
    <message>
        <source>%1
%2

この Mirendo はこのまま使えますが、デスクトップから開いたファイルは
この Mirendo には渡されません</source>
        <translation>%1
%2

This Mirendo works on, but files opened from the desktop
will not be handed to it</translation>
    </message>
    <message>
        <source>%1 を実行中の Mirendo に渡せませんでした</source>
        <translation>Could not hand %1 to the running Mirendo</translation>
    </message>
    <message>
        <source>%1 の値「%2」では%3を描けません
</source>
        <translation>The %1 value &quot;%2&quot; cannot draw the %3
</translation>
    </message>
    <message>
        <source>対数軸</source>
        <translation>logarithmic axis</translation>
    </message>
    <message>
        <source>グラフ</source>
        <translation>graph</translation>
    </message>
    <message>
        <source>（%1 から %2 までの正の値を入力して下さい）</source>
        <translation>(enter a positive value from %1 to %2)</translation>
    </message>
    <message>
        <source>（絶対値が %1 までの値を入力して下さい）</source>
        <translation>(enter a value of magnitude up to %1)</translation>
    </message>
    <message>
        <source>データ点のうち %1 点がグラフの範囲の外にあります
（開始値・終了値を確かめて下さい）</source>
        <translation>%1 of the data points lie outside the graph
(check the start and stop values)</translation>
    </message>
    <message>
        <source>%1 の値「%2」は計算できません
計算は単精度で行うため、負の値は約 -3.4E+38 から約 -1.2E-38 までだけを扱えます</source>
        <translation>The %1 value &quot;%2&quot; cannot be calculated
The calculation is single-precision: negatives only from about -3.4E+38 to about -1.2E-38</translation>
    </message>
    <message>
        <source>前回の入力が残っています。復元しますか？</source>
        <translation>Points typed last time were kept. Restore them?</translation>
    </message>
    <message>
        <source>前回の入力の記録が壊れているため、復元できません
（壊れた記録は削除しました）</source>
        <translation>The record of the last input is damaged and cannot be restored
(the damaged record was deleted)</translation>
    </message>
    <message>
        <source>  手入力したデータの控えを作業フォルダに保存できません
</source>
        <translation>  Cannot keep a copy of the typed points in the working folder
</translation>
    </message>
    <message>
        <source>
（このままでは、プログラムが異常終了すると入力が失われます）</source>
        <translation>
(if the program crashes now, the input is lost)</translation>
    </message>
    <message>
        <source>手入力したデータ点がまだ保存されていません
新しいデータ点で置き換えますか？</source>
        <translation>The points typed by hand are not saved yet
Replace them with the new points?</translation>
    </message>
    <message>
        <source>%1 の設定が%2</source>
        <translation>The setting %1 %2</translation>
    </message>
    <message>
        <source>%1 の設定「%2」では開けないファイルになります（%3）</source>
        <translation>The setting %1 &quot;%2&quot; would make a file that cannot be opened (%3)</translation>
    </message>
    <message>
        <source>保存できません：%1</source>
        <translation>Cannot save: %1</translation>
    </message>
    <message>
        <source>メイン画面のグラフ設定を直して下さい</source>
        <translation>Correct the graph settings in the main window</translation>
    </message>
    <message>
        <source>%1 は画像として開けません
（PNG・JPEG・BMP・GIF・SVG・PDF の画像を選んで下さい）</source>
        <translation>%1 cannot be opened as an image
(choose a PNG, JPEG, BMP, GIF, SVG or PDF image)</translation>
    </message>
    <message>
        <source>%1 は壊れているため、画像を読み取れません</source>
        <translation>%1 is damaged; the image cannot be read</translation>
    </message>
    <message>
        <source>%1 は画素数が多すぎて開けません（16000 × 16000 画素まで）</source>
        <translation>%1 has too many pixels to open (up to 16000 × 16000)</translation>
    </message>
    <message>
        <source>PDF を開くためのライブラリ（Qt PDF）が見つかりません
PDF のページを画像（PNG など）にしてから開いて下さい</source>
        <translation>The library for opening PDF files (Qt PDF) is not found
Save the PDF page as an image (PNG or the like) and open that</translation>
    </message>
    <message>
        <source>%1 にこのページはありません（全 %2 ページ）</source>
        <translation>%1 has no such page (%2 pages in all)</translation>
    </message>
    <message>
        <source>この画像の前回の目盛り合わせと点が残っています。読み込みますか？</source>
        <translation>The calibration and points of this image from last time are kept. Load them?</translation>
    </message>
    <message>
        <source>前回の目盛り合わせと点を読み込めません
%1</source>
        <translation>The calibration and points from last time cannot be read
%1</translation>
    </message>
    <message>
        <source>  目盛り合わせと点を画像の横に保存できません
</source>
        <translation>  The calibration and points cannot be saved beside the image
</translation>
    </message>
    <message>
        <source>
（次に画像を開いたとき、この目盛り合わせと点は戻りません）</source>
        <translation>
(They will not come back the next time the image is opened)</translation>
    </message>
    <message>
        <source>クリップボードに画像がありません</source>
        <translation>There is no image in the clipboard</translation>
    </message>
    <message>
        <source>基準点 %1 の値「%2」は数値ではありません</source>
        <translation>The value &quot;%2&quot; of reference point %1 is not a number</translation>
    </message>
    <message>
        <source>目盛りが決まりません
%1</source>
        <translation>The axes cannot be calibrated
%1</translation>
    </message>
    <message>
        <source>読み取った点がありません</source>
        <translation>No points have been read</translation>
    </message>
    <message>
        <source>点の近くに線が見つかりません</source>
        <translation>No line found near the point</translation>
    </message>
    <message>
        <source>貼り付けた画像の目盛り合わせと点は保存されていません。別の画像に替えて、これを捨てますか？</source>
        <translation>The calibration and points of the pasted image are not saved. Replace the image and discard them?</translation>
    </message>
</context>
<context>
    <name>PasteAction</name>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>グラフ表示エリア</source>
        <translation>Graph area</translation>
    </message>
    <message>
        <source>値をコピー</source>
        <translation>Copy value</translation>
    </message>
    <message>
        <source>グラフをコピー</source>
        <translation>Copy graph</translation>
    </message>
</context>
<context>
    <name>RangeLabels</name>
    <message>
        <source>X の最小値</source>
        <translation>X minimum</translation>
    </message>
    <message>
        <source>X の最大値</source>
        <translation>X maximum</translation>
    </message>
    <message>
        <source>Y の最小値</source>
        <translation>Y minimum</translation>
    </message>
    <message>
        <source>Y の最大値</source>
        <translation>Y maximum</translation>
    </message>
</context>
<context>
    <name>WorkFolderLock</name>
    <message>
        <source>このフォルダでは既に Mirendo が実行中です
%1

計算ファイル (B2F.dat, F2B.dat) を共有するため、
この Mirendo は終了します</source>
        <translation>Mirendo already runs in this folder
%1

As both would share the files B2F.dat and F2B.dat,
this Mirendo ends</translation>
    </message>
</context>
<context>
    <name>mirendo-eval</name>
    <message>
        <source>%1 番目の引数が空です</source>
        <translation>argument %1 is empty</translation>
    </message>
    <message>
        <source>知らないオプションです: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>補間データのファイル（*-Mi.csv）を指定して下さい</source>
        <translation>give an interpolation file (*-Mi.csv)</translation>
    </message>
    <message>
        <source>%1 個の値が計算できませんでした</source>
        <translation>%1 value(s) could not be calculated</translation>
    </message>
    <message>
        <source>使い方: mirendo-eval [--inverse] [--slope] [--grid START STOP STEP | --per-decade N START STOP] ARCHIVE [値 ...]
</source>
        <translation>Usage: mirendo-eval [--inverse] [--slope] [--grid START STOP STEP | --per-decade N START STOP] ARCHIVE [VALUE ...]
</translation>
    </message>
    <message>
        <source>使い方: mirendo-eval ARCHIVE [X ...]
       mirendo-eval --inverse ARCHIVE [Y ...]
       mirendo-eval [--slope] --grid START STOP STEP ARCHIVE
       mirendo-eval [--slope] --per-decade N START STOP ARCHIVE
Mirendo が保存した補間データ（*-Mi.csv）の多項式を、X ごとに計算します。
X は引数に 1 つずつ並べるか、引数がなければ標準入力から読みます（1 行に 1 つ、空白・カンマ・タブ区切りも可）。
結果は一括計算の CSV（X,Y,外挿）として標準出力に書きます。
--inverse では Y ごとに、曲線がその Y をとるグラフの X 範囲内のすべての X を求め、
1 つの X を 1 行とする CSV（Y,X,外挿）を書きます。X がなければ X の欄は「該当なし」です。

  --help      この説明を表示します
  --version   版を表示します
  --inverse   Y から X を求めます（一括計算の Y → X と同じ計算）
  --grid START STOP STEP
              START から STOP まで STEP おきの X で計算します（STOP を超えない範囲）
  --per-decade N START STOP
              START から STOP まで、1 桁（10 倍）あたり N 個の等比の X で計算します
              （START・STOP は 0 より大きい値。どちらの間隔も値は 100000 個まで）
  --slope     傾きの列を加えます（X,Y,dY/dX,外挿。対数軸では dlnY/dX、dY/dlnX、dlnY/dlnX）
  --lang en|ja  英語・日本語で表示します（既定は環境変数 LANGUAGE・LANG などによる）

終了コード:
  0  すべての値を計算しました
  1  補間データのファイルを読めません（補間データでないファイルを含む）
  2  引数の誤り（空の引数を含む）
  3  計算できない値がありました（数値でない値など。行はすべて出力します）
  4  標準出力に書き込めません
</source>
        <translation>Usage: mirendo-eval ARCHIVE [X ...]
       mirendo-eval --inverse ARCHIVE [Y ...]
       mirendo-eval [--slope] --grid START STOP STEP ARCHIVE
       mirendo-eval [--slope] --per-decade N START STOP ARCHIVE
Evaluates, for each X, the polynomial of an interpolation file (*-Mi.csv) saved by Mirendo.
The X values come one per argument or, without any, from standard input (one a line, or
separated by blanks, commas or tabs).
The result is the batch window&apos;s CSV (X,Y,外挿) on standard output; its words stay Japanese
in every language, so that files read alike.
With --inverse, for each Y every X in the graph&apos;s X range where the curve takes that Y is found,
one X a line, as a CSV (Y,X,外挿). Where there is no X, the X field reads 「該当なし」.

  --help      shows this text
  --version   shows the version
  --inverse   finds X from Y (as the batch window&apos;s Y → X)
  --grid START STOP STEP
              evaluates at X from START to STOP every STEP (not beyond STOP)
  --per-decade N START STOP
              evaluates at N X per decade (tenfold), geometric, from START to STOP
              (START and STOP above 0; either grid gives at most 100000 values)
  --slope     adds the slope column (X,Y,dY/dX,外挿; on logarithmic axes dlnY/dX, dY/dlnX, dlnY/dlnX)
  --lang en|ja  speaks English or Japanese (by default as LANGUAGE, LANG and the like say)

Exit status:
  0  every value was calculated
  1  the interpolation file cannot be read (or is not one)
  2  wrong arguments (an empty one included)
  3  some values could not be calculated (not a number, say; every row is still printed)
  4  standard output cannot be written
</translation>
    </message>
    <message>
        <source>--grid と --per-decade は 1 つだけ指定して下さい</source>
        <translation>give only one of --grid and --per-decade</translation>
    </message>
    <message>
        <source>%1 には 3 つの値が必要です</source>
        <translation>%1 needs three values</translation>
    </message>
    <message>
        <source>--grid・--per-decade の値と、引数の値は同時に指定できません</source>
        <translation>a grid (--grid, --per-decade) and values as arguments cannot be given together</translation>
    </message>
    <message>
        <source>--slope は --inverse と同時に指定できません</source>
        <translation>--slope cannot be given with --inverse</translation>
    </message>
</context>
<context>
    <name>mirendo::BatchEvaluationWindow</name>
    <message>
        <source>X 値（1 行に 1 つ、または空白・カンマ・タブ区切り）</source>
        <translation>X values (one a line, or separated by blanks, commas, tabs)</translation>
    </message>
    <message>
        <source>Y 値（1 行に 1 つ、または空白・カンマ・タブ区切り）</source>
        <translation>Y values (one a line, or separated by blanks, commas, tabs)</translation>
    </message>
    <message>
        <source>一括計算</source>
        <translation>Batch</translation>
    </message>
    <message>
        <source>X → Y: X ごとの Y。Y → X: Y ごとに、曲線がその Y をとるグラフ範囲内のすべての X</source>
        <translation>X → Y: the Y of each X. Y → X: for each Y, every X in the graph&apos;s range where the curve takes it</translation>
    </message>
    <message>
        <source>1 行に 1 つ、または空白・カンマ・タブで区切った X 値</source>
        <translation>X values, one a line or separated by blanks, commas or tabs</translation>
    </message>
    <message>
        <source>計算（Ctrl+Enter）</source>
        <translation>Calculate (Ctrl+Enter)</translation>
    </message>
    <message>
        <source>X と Y の表。Ctrl+C で選択した行（選択がなければ全行）をタブ区切りでコピー</source>
        <translation>Table of X and Y. Ctrl+C copies the selected rows (or all) separated by tabs</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>CSV ファイルのパス（フォルダを省くと補間データと同じフォルダ）</source>
        <translation>Path of the CSV file (without a folder, beside the interpolation file)</translation>
    </message>
    <message>
        <source>1 行に 1 つ、または空白・カンマ・タブで区切った Y 値</source>
        <translation>Y values, one a line or separated by blanks, commas or tabs</translation>
    </message>
    <message>
        <source>Y と X の表。Ctrl+C で選択した行（選択がなければ全行）をタブ区切りでコピー</source>
        <translation>Table of Y and X. Ctrl+C copies the selected rows (or all) separated by tabs</translation>
    </message>
    <message>
        <source>Y 値がありません</source>
        <translation>No Y values</translation>
    </message>
    <message>
        <source>%1 行（%2 %3 行、%4 %5 行、求められない Y %6 行、外挿 %7 行）</source>
        <translation>%1 rows (%2 %3, %4 %5, Y without X %6, extrapolated %7)</translation>
    </message>
    <message>
        <source>X 値がありません</source>
        <translation>No X values</translation>
    </message>
    <message>
        <source>%1 行（%2 %3 行、%4 %5 行、外挿 %6 行）</source>
        <translation>%1 rows (%2 %3, %4 %5, extrapolated %6)</translation>
    </message>
    <message>
        <source>保存する計算結果がありません</source>
        <translation>No results to save</translation>
    </message>
    <message>
        <source>  ファイル名を入力して下さい！ </source>
        <translation>  Enter a file name! </translation>
    </message>
    <message>
        <source>「%1」は補間データのファイル名（%2 で終わる名前）です
一括計算の結果は別の名前で保存して下さい</source>
        <translation>&quot;%1&quot; is the name of an interpolation file (ending in %2)
Save the batch results under another name</translation>
    </message>
    <message>
        <source>%1 は既にあります。置き換えますか？</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>一括計算の結果を保存できませんでした
</source>
        <translation>Could not save the batch results
</translation>
    </message>
    <message>
        <source>  一括計算の結果を保存しました  
  </source>
        <translation>  The batch results were saved  
  </translation>
    </message>
    <message>
        <source>一括計算の結果を保存</source>
        <translation>Save the batch results</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>表・コピー・CSV に X での曲線の傾きの列を加えます（X → Y）</source>
        <translation>Adds the curve&apos;s slope at X to the table, copies and CSV (X → Y)</translation>
    </message>
    <message>
        <source>開始値・終了値・増分（または 1 桁あたりの個数）で値を並べて計算します</source>
        <translation>Fills in values from a start, stop and step (or values per decade) and calculates</translation>
    </message>
</context>
<context>
    <name>mirendo::BatchTableModel</name>
    <message>
        <source>X がデータ点の範囲外です（外挿）</source>
        <translation>X outside the data points (extrapolated)</translation>
    </message>
</context>
<context>
    <name>mirendo::ChartPictureView</name>
    <message>
        <source>グラフの画像を開くか、貼り付けるか、ここにドロップして下さい</source>
        <translation>Open a chart image, paste one, or drop it here</translation>
    </message>
</context>
<context>
    <name>mirendo::FolderLists</name>
    <message>
        <source>ドライブ</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>フォルダ</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>mirendo::Form1</name>
    <message>
        <source>入力値が不正です！</source>
        <translation>Invalid input!</translation>
    </message>
    <message>
        <source>スタート画面に戻る</source>
        <translation>Back to the start window</translation>
    </message>
    <message>
        <source>OK（データ入力方式）</source>
        <translation>OK (data input)</translation>
    </message>
    <message>
        <source>OK（グラフ設定）</source>
        <translation>OK (graph settings)</translation>
    </message>
    <message>
        <source>データテーブル</source>
        <translation>Data table</translation>
    </message>
    <message>
        <source>データ点 %1 の %2 値 %3 は対数軸に描けません</source>
        <translation>Point %1&apos;s %2 value %3 cannot be drawn on a logarithmic axis</translation>
    </message>
    <message>
        <source>&#x3000;計算結果ファイル F2B.dat が計算依頼と一致しません&#x3000;
（もう一度 ⑥ から計算して下さい）</source>
        <translation>  The result file F2B.dat does not match the request  
(calculate again from ⑥)</translation>
    </message>
    <message>
        <source>グラフ画像から点を読み取る</source>
        <translation>Read points from a chart image</translation>
    </message>
    <message>
        <source>グラフの画像から点を読み取る</source>
        <translation>Read points from a chart image</translation>
    </message>
</context>
<context>
    <name>mirendo::Form10</name>
    <message>
        <source> データ入力（ファイル入力）</source>
        <translation> Data input (file)</translation>
    </message>
    <message>
        <source>クリップボードから読み込む</source>
        <translation>Read from the clipboard</translation>
    </message>
    <message>
        <source>クリップボードのテキストをファイルと同じく読み込む</source>
        <translation>Reads the clipboard&apos;s text as a file</translation>
    </message>
    <message>
        <source>このファイルの内容</source>
        <translation>Contents of the file</translation>
    </message>
    <message>
        <source>クリップボード</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>データが読み込まれていません</source>
        <translation>No data has been read</translation>
    </message>
    <message>
        <source>グラフ画像から点を読み取る</source>
        <translation>Read points from a chart image</translation>
    </message>
    <message>
        <source>ファイルの代わりに、グラフの画像から点を読み取る</source>
        <translation>Read points from a chart image instead of a file</translation>
    </message>
</context>
<context>
    <name>mirendo::Form11</name>
    <message>
        <source>データが入力されていません</source>
        <translation>No data has been entered</translation>
    </message>
    <message>
        <source>データ数が上限(10)になりました</source>
        <translation>The number of points reached its limit (10)</translation>
    </message>
    <message>
        <source>修正できるデータがありません</source>
        <translation>No data to correct</translation>
    </message>
    <message>
        <source>修正するデータ番号は 1 ～ %1 の範囲で入力して下さい</source>
        <translation>Enter a point number from 1 to %1 to correct</translation>
    </message>
    <message>
        <source> データ入力（手入力）</source>
        <translation> Data input (by hand)</translation>
    </message>
    <message>
        <source>入力中のデータ番号</source>
        <translation>Number of the point entered</translation>
    </message>
    <message>
        <source>X 値</source>
        <translation>X value</translation>
    </message>
    <message>
        <source>Y 値</source>
        <translation>Y value</translation>
    </message>
    <message>
        <source>修正するデータ番号</source>
        <translation>Number of the point to correct</translation>
    </message>
    <message>
        <source>修正後の X 値</source>
        <translation>Corrected X value</translation>
    </message>
    <message>
        <source>修正後の Y 値</source>
        <translation>Corrected Y value</translation>
    </message>
    <message>
        <source>OK（修正）</source>
        <translation>OK (correction)</translation>
    </message>
    <message>
        <source>入力したデータ</source>
        <translation>Data entered</translation>
    </message>
    <message>
        <source>クリップボードの X と Y の行を入力する</source>
        <translation>Enters the X and Y lines of the clipboard</translation>
    </message>
</context>
<context>
    <name>mirendo::Form2</name>
    <message>
        <source>ファイルデータの書式例</source>
        <translation>File data format</translation>
    </message>
    <message>
        <source>Linear - Linear スケールのグラフ例</source>
        <translation>Example graph, Linear - Linear scale</translation>
    </message>
    <message>
        <source>Linear - Log スケールのグラフ例</source>
        <translation>Example graph, Linear - Log scale</translation>
    </message>
    <message>
        <source>Log - Linear スケールのグラフ例</source>
        <translation>Example graph, Log - Linear scale</translation>
    </message>
    <message>
        <source>Log - Log スケールのグラフ例</source>
        <translation>Example graph, Log - Log scale</translation>
    </message>
</context>
<context>
    <name>mirendo::Form3</name>
    <message>
        <source>読み込みエラー</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>読み込みエラーの原因</source>
        <translation>Cause of the read error</translation>
    </message>
</context>
<context>
    <name>mirendo::Form4</name>
    <message>
        <source>保存できません：表示中のデータや設定が計算結果と一致しません
⑤ から計算し直してから保存して下さい</source>
        <translation>Cannot save: the data or settings shown differ from the result
Calculate again from ⑤, then save</translation>
    </message>
    <message>
        <source>  補間データを保存できませんでした</source>
        <translation>  Could not save the interpolation</translation>
    </message>
    <message>
        <source>補間データは保存されました</source>
        <translation>The interpolation was saved</translation>
    </message>
</context>
<context>
    <name>mirendo::Form5</name>
    <message>
        <source>PNG 形式で保存します</source>
        <translation>as a PNG image</translation>
    </message>
    <message>
        <source>グラフ画像をPNG形式(png)で保存しました</source>
        <translation>The graph was saved as a PNG image (png)</translation>
    </message>
    <message>
        <source>SVG 形式で保存します</source>
        <translation>as an SVG image</translation>
    </message>
    <message>
        <source>グラフ画像をSVG形式(svg)で保存しました</source>
        <translation>The graph was saved as an SVG image (svg)</translation>
    </message>
    <message>
        <source>ビットマップ形式で保存します</source>
        <translation>as a bitmap</translation>
    </message>
    <message>
        <source>グラフ画像をビットマップ形式(bmp)で保存しました</source>
        <translation>The graph was saved as a bitmap (bmp)</translation>
    </message>
    <message>
        <source>保存形式</source>
        <translation>Image format</translation>
    </message>
    <message>
        <source>BMP（ビットマップ）、PNG、SVG（ベクター）から選びます</source>
        <translation>Choose BMP (bitmap), PNG or SVG (vector)</translation>
    </message>
    <message>
        <source>目盛りと信頼性を含める</source>
        <translation>With scale and trust</translation>
    </message>
    <message>
        <source>PNG と SVG に軸の範囲と信頼性の行を入れます（BMP はグラフだけ）</source>
        <translation>PNG and SVG get the axis ranges and the trust line (BMP the graph alone)</translation>
    </message>
    <message>
        <source>保存するグラフ画像がありません</source>
        <translation>No graph image to save</translation>
    </message>
    <message>
        <source>グラフ画像を作れませんでした</source>
        <translation>Could not make the graph image</translation>
    </message>
    <message>
        <source>  グラフ画像を保存できませんでした</source>
        <translation>  Could not save the graph image</translation>
    </message>
</context>
<context>
    <name>mirendo::Form6</name>
    <message>
        <source>計算する</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>スタート画面に戻る</source>
        <translation>Back to the start window</translation>
    </message>
    <message>
        <source>任意 X 入力（外挿も可）</source>
        <translation>Any X (may extrapolate)</translation>
    </message>
    <message>
        <source>任意 X に対する Y 値</source>
        <translation>Y at the X given</translation>
    </message>
    <message>
        <source>X がデータ点の範囲外です（外挿）</source>
        <translation>X outside the data points (extrapolated)</translation>
    </message>
    <message>
        <source>任意 Y 入力（その Y をとる X を求めます）</source>
        <translation>Any Y (finds the X where the curve takes it)</translation>
    </message>
    <message>
        <source>任意 Y に対する X 値（グラフの X の範囲内）</source>
        <translation>X at the Y given (in the graph&apos;s X range)</translation>
    </message>
    <message>
        <source>この点で再計算（メイン画面で開く）</source>
        <translation>Recalculate with these points (in the main window)</translation>
    </message>
    <message>
        <source>任意 X に対する比較曲線の Y 値</source>
        <translation>Comparison curve&apos;s Y at the X given</translation>
    </message>
    <message>
        <source>***  ファイルを選択して下さい！</source>
        <translation>***  Choose a file!</translation>
    </message>
    <message>
        <source>X の値が入力されていません</source>
        <translation>No X value entered</translation>
    </message>
    <message>
        <source>正しく計算できません</source>
        <translation>Cannot calculate correctly</translation>
    </message>
    <message>
        <source>Y の値が入力されていません</source>
        <translation>No Y value entered</translation>
    </message>
    <message>
        <source>Y 軸が対数のため、Y には 0 より大きい値を入力して下さい（入力: %1）</source>
        <translation>The Y axis is logarithmic: enter a Y above 0 (entered: %1)</translation>
    </message>
    <message>
        <source>グラフの X の範囲（開始値・終了値）が正しくないため計算できません</source>
        <translation>Cannot calculate: the graph&apos;s X range (start, stop) is wrong</translation>
    </message>
    <message>
        <source>比較 Y = </source>
        <translation>Comp. Y = </translation>
    </message>
    <message>
        <source>計算できません</source>
        <translation>Cannot calculate</translation>
    </message>
    <message>
        <source>任意 X における曲線の傾き</source>
        <translation>Slope of the curve at the X given</translation>
    </message>
    <message>
        <source>面積の X1（積分の開始）</source>
        <translation>Area&apos;s X1 (start of the integral)</translation>
    </message>
    <message>
        <source>面積の X2（積分の終了）</source>
        <translation>Area&apos;s X2 (end of the integral)</translation>
    </message>
    <message>
        <source>面積を計算する</source>
        <translation>Calculate the area</translation>
    </message>
    <message>
        <source>X1 から X2 までの曲線の下の面積（Y の X についての積分）</source>
        <translation>Area under the curve from X1 to X2 (the integral of Y over X)</translation>
    </message>
    <message>
        <source>X1〜X2 がデータ点の範囲の外に出ています（外挿）</source>
        <translation>X1 to X2 reaches outside the data points (extrapolated)</translation>
    </message>
    <message>
        <source>比較 面積 = </source>
        <translation>Comp. area = </translation>
    </message>
</context>
<context>
    <name>mirendo::Form9</name>
    <message>
        <source>データ書式</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>データ例のファイル</source>
        <translation>Example files</translation>
    </message>
    <message>
        <source>データ例の内容</source>
        <translation>Contents of the example</translation>
    </message>
</context>
<context>
    <name>mirendo::FormChart</name>
    <message>
        <source>グラフ画像から点を読み取る</source>
        <translation>Read points from a chart image</translation>
    </message>
    <message>
        <source>ルーペ</source>
        <translation>Loupe</translation>
    </message>
    <message>
        <source>基準点 %1 の値</source>
        <translation>Value of reference point %1</translation>
    </message>
    <message>
        <source>X 軸の目盛り</source>
        <translation>X axis scale</translation>
    </message>
    <message>
        <source>Y 軸の目盛り</source>
        <translation>Y axis scale</translation>
    </message>
    <message>
        <source>PDF のページ</source>
        <translation>PDF page</translation>
    </message>
    <message>
        <source>読み取った点</source>
        <translation>Points read</translation>
    </message>
    <message>
        <source>拡大</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>縮小</source>
        <translation>Zoom out</translation>
    </message>
    <message>
        <source>元に戻す (Ctrl+Z)</source>
        <translation>Undo (Ctrl+Z)</translation>
    </message>
    <message>
        <source>やり直す (Ctrl+Y)</source>
        <translation>Redo (Ctrl+Y)</translation>
    </message>
    <message>
        <source>（未配置）</source>
        <translation>(not placed)</translation>
    </message>
    <message>
        <source>%1   X = %2   Y = %3   %4 / %5</source>
        <translation>%1   X = %2   Y = %3   %4 / %5</translation>
    </message>
    <message>
        <source>%1   画素 %2</source>
        <translation>%1   pixel %2</translation>
    </message>
    <message>
        <source>グラフの画像を開くか、貼り付けて下さい（Ctrl+V）</source>
        <translation>Open a chart image, or paste one (Ctrl+V)</translation>
    </message>
    <message>
        <source>基準点 %1 の位置をクリックして下さい（矢印キーで合わせて Enter でも置けます）</source>
        <translation>Click where reference point %1 lies (or move there with the arrow keys and press Enter)</translation>
    </message>
    <message>
        <source>点をクリックするか、矢印キーでカーソルを合わせて Enter で置いて下さい。選んだ点は矢印キーで動きます（Shift で 1/10 画素、Esc で選択を外す）</source>
        <translation>Click a point, or move the cursor with the arrow keys and press Enter. The selected point moves with the arrow keys (Shift: 1/10 pixel, Esc: deselect)</translation>
    </message>
    <message>
        <source>点は 10 個までです</source>
        <translation>Up to 10 points</translation>
    </message>
    <message>
        <source>画素 %1</source>
        <translation>pixel %1</translation>
    </message>
    <message>
        <source>
X = %1
Y = %2</source>
        <translation>
X = %1
Y = %2</translation>
    </message>
    <message>
        <source>カーソル %1</source>
        <translation>cursor %1</translation>
    </message>
    <message>
        <source>グラフの画像を開く</source>
        <translation>Open a chart image</translation>
    </message>
    <message>
        <source>グラフの画像 (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.svgz *.pdf);;すべてのファイル (*)</source>
        <translation>Chart images (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.svgz *.pdf);;All files (*)</translation>
    </message>
</context>
<context>
    <name>mirendo::FormChartSave</name>
    <message>
        <source>点ファイル保存</source>
        <translation>Save points</translation>
    </message>
    <message>
        <source>  点ファイルを保存できませんでした</source>
        <translation>  The point file could not be saved</translation>
    </message>
</context>
<context>
    <name>mirendo::GraphPanel</name>
    <message>
        <source>カーソル位置の X 値</source>
        <translation>X at the cursor</translation>
    </message>
    <message>
        <source>カーソル位置の Y 値</source>
        <translation>Y at the cursor</translation>
    </message>
    <message>
        <source>マウスを動かすか左右キーを押すとカーソル位置の値を表示します</source>
        <translation>Move the mouse or press Left/Right to show the values at the cursor</translation>
    </message>
    <message>
        <source>補間の信頼性</source>
        <translation>Trust of the interpolation</translation>
    </message>
    <message>
        <source>比較曲線</source>
        <translation>Comparison curve</translation>
    </message>
    <message>
        <source>同じ点を通る比較曲線（緑の破線）</source>
        <translation>A comparison curve through the same points (green dashes)</translation>
    </message>
    <message>
        <source>カーソル位置の比較曲線の Y 値</source>
        <translation>Comparison curve&apos;s Y at the cursor</translation>
    </message>
    <message>
        <source>数式をコピー</source>
        <translation>Copy formula</translation>
    </message>
    <message>
        <source>セル A2 の X に対する曲線の値を求める表計算の数式をコピーします</source>
        <translation>Copies a spreadsheet formula of the curve&apos;s value at the X in cell A2</translation>
    </message>
    <message>
        <source>比較 Y = </source>
        <translation>Comp. Y = </translation>
    </message>
    <message>
        <source>カーソル位置の曲線の傾き</source>
        <translation>Slope of the curve at the cursor</translation>
    </message>
</context>
<context>
    <name>mirendo::GridDialog</name>
    <message>
        <source>等間隔の値</source>
        <translation>Values on a grid</translation>
    </message>
    <message>
        <source>1 桁の個数</source>
        <translation>Per decade</translation>
    </message>
    <message>
        <source>増分</source>
        <translation>Step</translation>
    </message>
</context>
<context>
    <name>mirendo::SaveNameDialog</name>
    <message>
        <source>保存ファイル名（拡張子なし）</source>
        <translation>File name (no extension)</translation>
    </message>
    <message>
        <source>  ファイル名を入力して下さい！ </source>
        <translation>  Enter a file name! </translation>
    </message>
    <message>
        <source>ファイル名に「/」は使えません
保存ファイル名の欄を直して下さい</source>
        <translation>A file name cannot contain &quot;/&quot;
Correct the file name box</translation>
    </message>
    <message>
        <source>%1 は既にあります。置き換えますか？</source>
        <translation>%1 already exists. Replace it?</translation>
    </message>
</context>
<context>
    <name>mirendo::WindowSet</name>
    <message>
        <source>クリップボード</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>保存されたスケールモード %1 は、このデータ点では選べません</source>
        <translation>The saved scale mode %1 cannot be chosen for these points</translation>
    </message>
    <message>
        <source>グラフ画像</source>
        <translation>Chart image</translation>
    </message>
</context>
</TS>
