<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>PlanRefusal</name>
    <message>
        <source>荒加工計画できません: 上限は 0 より大きく (このままでは %1 mm²)</source>
        <translation>No roughing plan: the limit must be above 0 (as it stands, %1 mm²)</translation>
    </message>
    <message>
        <source>荒加工計画できません: 仕上げ加工だけで %1 mm² 必要です</source>
        <translation>No roughing plan: the finishing run alone needs %1 mm²</translation>
    </message>
    <message>
        <source>荒加工計画できません: 0.001 mm の差でも %1 mm² 必要です</source>
        <translation>No roughing plan: even a run 0.001 mm deeper needs %1 mm²</translation>
    </message>
    <message>
        <source>荒加工計画できません: %1 回を超えます</source>
        <translation>No roughing plan: it would take more than %1 runs</translation>
    </message>
    <message>
        <source>荒加工計画を中止しました</source>
        <translation>Roughing plan cancelled</translation>
    </message>
    <message>
        <source>データエラー </source>
        <translation>Data error </translation>
    </message>
</context>
<context>
    <name>FormNotes</name>
    <message>
        <source>等級の指定なし: %1 を採用</source>
        <translation>no class given: %1 taken</translation>
    </message>
    <message>
        <source>谷は R = H/6 の丸み (ボルトの設計山形)</source>
        <translation>root rounded with R = H/6 (the design profile of the bolt)</translation>
    </message>
    <message>
        <source>谷は R = H/12 の丸み (基準外径に触れない)</source>
        <translation>root rounded with R = H/12 (clear of the basic major diameter)</translation>
    </message>
    <message>
        <source>等級 %1: 公式による公差の中央 (R40 数列)</source>
        <translation>class %1: middle of the tolerances from their formulas (R40 series)</translation>
    </message>
    <message>
        <source>谷は R = H/6 の丸み (UNR)</source>
        <translation>root rounded with R = H/6 (UNR)</translation>
    </message>
    <message>
        <source>等級 %1: 公式による許容限界の中央 (表の丸めのとおり)</source>
        <translation>class %1: middle of the limits from their formulas (rounded as the tables round them)</translation>
    </message>
    <message>
        <source>等級 %1: ASME B1.5 の許容限界の中央。谷の逃げは直径で %2 in.、谷の隅 R 0.06 P</source>
        <translation>class %1: middle of the limits of ASME B1.5; root clearance %2 in. on the diameter, floor corners R 0.06 P</translation>
    </message>
    <message>
        <source>等級 %1: ASME B1.5 の許容限界の中央 (山の高さ 0.3 P、ASME B1.8)。谷の逃げは直径で %2 in.、谷の隅 R 0.06 P</source>
        <translation>class %1: middle of the limits of ASME B1.5 (thread height 0.3 P, ASME B1.8); root clearance %2 in. on the diameter, floor corners R 0.06 P</translation>
    </message>
    <message>
        <source>直径は管の小端 (E0)、テーパ 1:16</source>
        <translation>diameters at the small end of the pipe (E0), taper 1:16</translation>
    </message>
    <message>
        <source>直径は継手の端面 (E1)、テーパ 1:16</source>
        <translation>diameters at the face of the fitting (E1), taper 1:16</translation>
    </message>
    <message>
        <source>直径は小端 (基準径の位置から基準長さ手前)、テーパ 1:16</source>
        <translation>diameters at the small end (the gauge length before the gauge plane), taper 1:16</translation>
    </message>
    <message>
        <source>直径は基準径の位置 (継手の端面)、テーパ 1:16</source>
        <translation>diameters at the gauge plane (the face of the fitting), taper 1:16</translation>
    </message>
    <message>
        <source>基準の丸み山形 (山頂と谷 r = 0.137329 P)。等級は入れない</source>
        <translation>basic rounded profile (crest and root r = 0.137329 P); no class applied</translation>
    </message>
    <message>
        <source>基準山形、すきま ac = 0.05 P。等級は入れない</source>
        <translation>basic profile, clearance ac = 0.05 P; no class applied</translation>
    </message>
    <message>
        <source>谷は D4 = d + 2ac、その下限 (上限は定めなし)</source>
        <translation>floor at D4 = d + 2ac, its lower limit (no upper limit is set)</translation>
    </message>
    <message>
        <source>山頂のすきま ac = %1、谷の隅 R2 = ac</source>
        <translation>crest clearance ac = %1, floor corners R2 = ac</translation>
    </message>
    <message>
        <source>等級 %1: d、d2、d3 または D1、D2 の公差の中央</source>
        <translation>class %1: middle of the tolerances of d, d2, d3 or D1, D2</translation>
    </message>
    <message>
        <source>基準山形、山頂のすきま ac = 0.117767 P。等級は入れない</source>
        <translation>basic profile, crest clearance ac = 0.117767 P; no class applied</translation>
    </message>
    <message>
        <source>3° の荷重側フランクが A1。逆向きの荷重には A1 と A2 を入れ替える</source>
        <translation>the 3° load flank is A1; swap A1 and A2 to load the other way</translation>
    </message>
    <message>
        <source>基準径の位置: 小端から L1 = %1 mm、有効径 E0 = %2 mm、E1 = %3 mm、軸方向の許容差 ±%4 mm (±%5 山)</source>
        <translation>gauge plane: L1 = %1 mm from the small end, pitch diameters E0 = %2 mm and E1 = %3 mm, tolerance ±%4 mm along the axis (%5 × the pitch)</translation>
    </message>
    <message>
        <source>等級 %1: 許容限界は組み込まれていない (ゲージの判定なし)</source>
        <translation>class %1: its limits are not built in (the gauge does not judge it)</translation>
    </message>
    <message>
        <source>等級 %1: ISO 228-1 の許容限界の中央 (山頂は公差の中央で切り取り、隅は r = 0.137329 P)</source>
        <translation>class %1: middle of the ISO 228-1 limits (crests cut at the middle of their tolerance, corners r = 0.137329 P)</translation>
    </message>
    <message>
        <source>めねじの等級は一つ: ISO 228-1 の許容限界の中央 (山頂は公差の中央で切り取り、隅は r = 0.137329 P)</source>
        <translation>one class for inner threads: middle of the ISO 228-1 limits (crests cut at the middle of their tolerance, corners r = 0.137329 P)</translation>
    </message>
</context>
<context>
    <name>AboutBox</name>
    <message>
        <source>Quillmar information</source>
        <translation>Quillmar information</translation>
    </message>
    <message>
        <source>任意のねじ溝形状から、OSP (G34) と FANUC (G32) のねじ切りプログラムを作成します。</source>
        <translation>Makes OSP (G34) and FANUC (G32) threading programs for any thread groove form.</translation>
    </message>
    <message>
        <source>現時点ではｼｽﾃﾑ情報を使用できません</source>
        <translation>System information is not available at this time</translation>
    </message>
</context>
<context>
    <name>DataInput</name>
    <message>
        <source>ピッチ</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>幅</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>ノーズR</source>
        <translation>Nose R</translation>
    </message>
    <message>
        <source>素材径</source>
        <translation>Stock</translation>
    </message>
    <message>
        <source>X軸 仕上げ代</source>
        <translation>X allowance</translation>
    </message>
    <message>
        <source>Z軸 開始点</source>
        <translation>Z start</translation>
    </message>
    <message>
        <source>Z軸 終了点</source>
        <translation>Z end</translation>
    </message>
    <message>
        <source>テーパー角度</source>
        <translation>Taper angle</translation>
    </message>
    <message>
        <source>X軸退避位置</source>
        <translation>X retract</translation>
    </message>
    <message>
        <source>プログラム出力</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>加工位置</source>
        <translation>Machining side</translation>
    </message>
    <message>
        <source>内径</source>
        <translation>Inner</translation>
    </message>
    <message>
        <source>外径</source>
        <translation>Outer</translation>
    </message>
    <message>
        <source>出力タイプ</source>
        <translation>Output type</translation>
    </message>
    <message>
        <source>シーケンス番号</source>
        <translation>Sequence No.</translation>
    </message>
    <message>
        <source>MODINの出力</source>
        <translation>Output MODIN</translation>
    </message>
    <message>
        <source>仕上げ代(径)</source>
        <translation>Allow. (dia.)</translation>
    </message>
    <message>
        <source>条数</source>
        <translation>Starts</translation>
    </message>
    <message>
        <source>ねじ規格...</source>
        <translation>Standard...</translation>
    </message>
    <message>
        <source>制御装置</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>多条の割出し</source>
        <translation>Starts by</translation>
    </message>
    <message>
        <source>Z方向</source>
        <translation>Z shift</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>溝形状...</source>
        <translation>Groove...</translation>
    </message>
</context>
<context>
    <name>DataInputDialog</name>
    <message>
        <source>データ入力</source>
        <translation>Data input</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>データエラー </source>
        <translation>Data error </translation>
    </message>
    <message>
        <source>%1 には開始角度の指令がありません。多条の割出しは「Z方向」にしてください。</source>
        <translation>%1 has no start-angle word: set "Starts by" to "Z shift".</translation>
    </message>
    <message>
        <source>%1 のねじ切りはテーパー角度 %2° までです（テーパー角度 %3°）。</source>
        <translation>%1 threads tapers of at most %2° (taper angle %3°).</translation>
    </message>
    <message>
        <source>%1 のリードは %2～%3 mm です（リード %4 mm）。</source>
        <translation>%1 takes leads of %2 to %3 mm (lead %4 mm).</translation>
    </message>
    <message>
        <source>%1 はリード×主軸回転数が Z 軸の最大送りの %2 を超えるねじ切りを受け付けません（リード %3 mm では主軸回転数 %4 min⁻¹ まで、設定 %5 min⁻¹）。</source>
        <translation>%1 refuses a threading move whose lead x spindle speed passes %2 of the Z axis&apos; largest feed (at the lead %3 mm the spindle speed is at most %4 min⁻¹; %5 min⁻¹ set).</translation>
    </message>
    <message>
        <source>入力欄の溝形状で出力します</source>
        <translation>The output cuts the groove of the fields</translation>
    </message>
    <message>
        <source>溝形状: %1</source>
        <translation>Groove shape: %1</translation>
    </message>
    <message>
        <source>溝形状を切削できません: %1</source>
        <translation>The drawn groove cannot be cut: %1</translation>
    </message>
</context>
<context>
    <name>GrooveShapeDialog</name>
    <message>
        <source>%1 を読めません: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 は溝形状として大きすぎます (64 MB まで)</source>
        <translation>%1 is too large for a groove profile (64 MB at most)</translation>
    </message>
    <message>
        <source>溝形状</source>
        <translation>Groove shape</translation>
    </message>
    <message>
        <source>開く...</source>
        <translation>Open...</translation>
    </message>
    <message>
        <source>空欄: 図形のある一つの画層</source>
        <translation>Empty: the one layer the drawing uses</translation>
    </message>
    <message>
        <source>空欄: R1-F の送りで</source>
        <translation>Empty: passes by the R1-F step</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>画層 (DXF)</source>
        <translation>Layer (DXF)</translation>
    </message>
    <message>
        <source>カスプ高さ (mm)</source>
        <translation>Cusp height (mm)</translation>
    </message>
    <message>
        <source>1ピッチ分の軸断面を山頂から山頂まで: Z は軸方向、X は山頂から材料側への深さ。単位は mm (DXF のヘッダが inch と言えば inch)。ピッチ・リード・ノーズR はデータ入力の値です。</source>
        <translation>One pitch of the axial section, crest to crest: Z along the axis, X the depth into the material from the crest. In mm (inch when the DXF header says so). Pitch, lead and nose radius are the data input&apos;s.</translation>
    </message>
    <message>
        <source>この溝形状を使う</source>
        <translation>Use this groove</translation>
    </message>
    <message>
        <source>入力欄の溝形状に戻す</source>
        <translation>Back to the fields&apos; groove</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 は .dxf (図面) でも .groove (テキスト) でもありません</source>
        <translation>%1 is neither a .dxf drawing nor a .groove text profile</translation>
    </message>
    <message>
        <source>図面 (.dxf) かテキスト (.groove) を開いてください</source>
        <translation>Open a drawing (.dxf) or a text profile (.groove)</translation>
    </message>
    <message>
        <source>深さ %1 mm</source>
        <translation>Depth %1 mm</translation>
    </message>
    <message>
        <source>この溝形状は使えません: %1</source>
        <translation>This groove cannot be used: %1</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>データ入力</source>
        <translation>Data input</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>全コピー</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>サンプル</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>OSP マクロ</source>
        <translation>OSP macro</translation>
    </message>
    <message>
        <source>OSP 標準</source>
        <translation>OSP standard</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Quillmarについて(&amp;A)</source>
        <translation>&amp;About Quillmar</translation>
    </message>
    <message>
        <source>表示言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>ねじ規格</source>
        <translation>Thread standard</translation>
    </message>
    <message>
        <source>切削シミュレーション</source>
        <translation>Cut simulation</translation>
    </message>
    <message>
        <source>機械の設定...</source>
        <translation>Machine settings...</translation>
    </message>
</context>
<context>
    <name>MainToolbar</name>
    <message>
        <source>全データ消去</source>
        <translation>Clear all data</translation>
    </message>
    <message>
        <source>データ入力</source>
        <translation>Data input</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>元に戻す</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>切り取り</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>全コピー</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>貼り付け</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>表示言語は次回の起動から変わります。</source>
        <translation>The language changes when Quillmar is next started.</translation>
    </message>
    <message>
        <source>%1条ねじ: 最後の条は Z軸 開始点の %2 mm 手前から始まります</source>
        <translation>%1-start thread: the last start begins %2 mm before Z start</translation>
    </message>
</context>
<context>
    <name>MachineSettingsDialog</name>
    <message>
        <source>機械の設定</source>
        <translation>Machine settings</translation>
    </message>
    <message>
        <source>主軸回転数 (min⁻¹)</source>
        <translation>Spindle speed (min⁻¹)</translation>
    </message>
    <message>
        <source>Z軸 最大送り速度 (mm/min)</source>
        <translation>Z axis largest feed (mm/min)</translation>
    </message>
    <message>
        <source>時定数 T1 (s)</source>
        <translation>Time constant T1 (s)</translation>
    </message>
    <message>
        <source>Z軸 加速度 (mm/s², T1 の代わり)</source>
        <translation>Z axis acceleration (mm/s², instead of T1)</translation>
    </message>
    <message>
        <source>許容リード誤差 (%)</source>
        <translation>Accepted lead error (%)</translation>
    </message>
    <message>
        <source>早送り速度 (mm/min)</source>
        <translation>Rapid rate (mm/min)</translation>
    </message>
    <message>
        <source>肩の Z (空欄: 終端は調べない)</source>
        <translation>Shoulder Z (empty: end not checked)</translation>
    </message>
    <message>
        <source>%1: %2 は数値ではありません。空欄 (不明) か数値を入れてください。</source>
        <translation>%1: %2 is not a number. Enter a number, or leave it empty (unknown).</translation>
    </message>
    <message>
        <source>%1: 0 より大きい値を入れてください。</source>
        <translation>%1: enter a value above 0.</translation>
    </message>
    <message>
        <source>%1: 0 より大きく 100 より小さい値を入れてください。</source>
        <translation>%1: enter a value above 0 and below 100.</translation>
    </message>
    <message>
        <source>空欄は不明: 何も調べず、プログラムも変えません。</source>
        <translation>Empty means unknown: nothing is checked and no program changes.</translation>
    </message>
</context>
<context>
    <name>MachineTexts</name>
    <message>
        <source>パス %1 (%2条目): </source>
        <translation>pass %1 (start %2): </translation>
    </message>
    <message>
        <source>助走 %1 mm 必要, 端面から %2 mm</source>
        <translation>run-in %1 mm needed, %2 mm from the face</translation>
    </message>
    <message>
        <source>逃げ %1 mm 必要, 肩まで %2 mm</source>
        <translation>run-out %1 mm needed, %2 mm to the shoulder</translation>
    </message>
    <message>
        <source>主軸回転数 %1 min⁻¹ まで, %2 min⁻¹ 設定</source>
        <translation>spindle speed at most %1 min⁻¹, %2 min⁻¹ set</translation>
    </message>
    <message>
        <source>退避は山 X%1 の外へ, X%2 設定</source>
        <translation>retract beyond the crest X%1, X%2 set</translation>
    </message>
    <message>
        <source>機械: 判定できません (データエラー)</source>
        <translation>Machine: cannot judge (data error)</translation>
    </message>
    <message>
        <source>機械: 問題なし</source>
        <translation>Machine: no problem</translation>
    </message>
    <message>
        <source>機械: %1</source>
        <translation>Machine: %1</translation>
    </message>
    <message>
        <source>、ほか %1 件</source>
        <translation>; %1 more</translation>
    </message>
    <message>
        <source>パス %1: </source>
        <translation>pass %1: </translation>
    </message>
    <message>
        <source>助走 %1 mm 必要, %2 mm</source>
        <translation>run-in %1 mm needed, %2 there</translation>
    </message>
    <message>
        <source>逃げ %1 mm 必要, %2 mm</source>
        <translation>run-out %1 mm needed, %2 there</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>助走 δ1: %1 mm  逃げ δ2: %2 mm</source>
        <translation>Run-in δ1: %1 mm  run-out δ2: %2 mm</translation>
    </message>
    <message>
        <source>最大主軸回転数: %1 min⁻¹  サイクルタイム: %2 s</source>
        <translation>Largest spindle speed: %1 min⁻¹  cycle time: %2 s</translation>
    </message>
    <message>
        <source>機械のチェック: 問題なし</source>
        <translation>Machine checks: no problem</translation>
    </message>
    <message>
        <source>ほか %1 件</source>
        <translation>%1 more</translation>
    </message>
</context>
<context>
    <name>OpenCommand</name>
    <message>
        <source>ファイルを開けません</source>
        <translation>Open error</translation>
    </message>
    <message>
        <source>%1 を開けませんでした: %2
ペインは元のままです。</source>
        <translation>%1 could not be opened: %2
The pane was left as it was.</translation>
    </message>
    <message>
        <source>%1 はもうありません。
最近使ったファイルの一覧から外しました。</source>
        <translation>%1 no longer exists.
It was taken off the recent files.</translation>
    </message>
</context>
<context>
    <name>SaveCommand</name>
    <message>
        <source>%1 行目の文字「%2」は Shift-JIS で表せません。
%3 は書き込みませんでした。</source>
        <translation>Line %1 holds the character &quot;%2&quot;, which Shift-JIS cannot hold.
%3 was not written.</translation>
    </message>
    <message>
        <source>このシステムには Shift-JIS の変換がありません。
%1 は書き込みませんでした。</source>
        <translation>This system has no Shift-JIS converter.
%1 was not written.</translation>
    </message>
    <message>
        <source>%1 を保存できませんでした: %2
同じ名前のファイルは元のままです。</source>
        <translation>%1 could not be saved: %2
Any file of that name was left as it was.</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>%3 行目のバイト %1 (0x%2) は UTF-8 でも Shift-JIS でもありません。</source>
        <translation>byte %1 (0x%2, line %3) is neither UTF-8 nor Shift-JIS text.</translation>
    </message>
    <message>
        <source>UTF-8 ではなく、このシステムには Shift-JIS の変換がありません。</source>
        <translation>it is not UTF-8, and this system has no Shift-JIS converter.</translation>
    </message>
    <message>
        <source>フォルダーです。</source>
        <translation>it is a folder.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>it is not a regular file.</translation>
    </message>
    <message>
        <source>64 MB より大きいファイルです。</source>
        <translation>it is larger than 64 MB.</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>ThreadStandardDialog</name>
    <message>
        <source>データエラー : Z軸 開始点、Z軸 終了点、X軸退避位置を「データ入力」で確かめてください</source>
        <translation>Data error: check Z start, Z end and X retract in "Data input"</translation>
    </message>
    <message>
        <source>荒加工計画</source>
        <translation>Plan roughing</translation>
    </message>
    <message>
        <source>最大切りくず面積 (mm²)</source>
        <translation>Largest chip (mm²)</translation>
    </message>
    <message>
        <source>最大切りくず面積 %1 は数ではありません: 1 パスで削る断面積の上限を mm² で入力してください (例: 0.5)</source>
        <translation>The largest chip %1 is not a number: give the largest cross-section one pass may cut, in mm² (e.g. 0.5)</translation>
    </message>
    <message>
        <source>ねじが決まっていません: 上の説明を見てください</source>
        <translation>No thread to plan: see the explanation above</translation>
    </message>
    <message>
        <source>計算中</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>English</translation>
    </message>
    <message>
        <source>カスプ高さ %1 は数ではありません: 削り残しの最大高さを mm で入力してください (例: 0.005)</source>
        <translation>The cusp height %1 is not a number: give the largest scallop height in millimetres, e.g. 0.005</translation>
    </message>
    <message>
        <source>ピッチ %1   条数 %2</source>
        <translation>Pitch %1   starts %2</translation>
    </message>
    <message>
        <source>外径 %1   有効径 %2   内径 %3 (基準)</source>
        <translation>Major %1   pitch dia. %2   minor %3 (basic)</translation>
    </message>
    <message>
        <source>山径 %1   有効径 %2   谷径 %3 (加工)</source>
        <translation>Crest %1   pitch dia. %2   floor %3 (to cut)</translation>
    </message>
    <message>
        <source>深さ %1   谷幅 %2</source>
        <translation>Depth %1   floor width %2</translation>
    </message>
    <message>
        <source>A1 %1°   A2 %2°</source>
        <translation>A1 %1°   A2 %2°</translation>
    </message>
    <message>
        <source>ノーズR 最大 %1</source>
        <translation>Nose R at most %1</translation>
    </message>
    <message>
        <source>送り %1</source>
        <translation>Steps %1</translation>
    </message>
    <message>
        <source>ねじ規格</source>
        <translation>Thread standard</translation>
    </message>
    <message>
        <source>加工位置</source>
        <translation>Machining side</translation>
    </message>
    <message>
        <source>外径</source>
        <translation>Outer</translation>
    </message>
    <message>
        <source>内径</source>
        <translation>Inner</translation>
    </message>
    <message>
        <source>空欄: 送りは入れない</source>
        <translation>empty: no Z steps</translation>
    </message>
    <message>
        <source>規格</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>呼び</source>
        <translation>Designation</translation>
    </message>
    <message>
        <source>等級</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>ノーズR</source>
        <translation>Nose R</translation>
    </message>
    <message>
        <source>カスプ高さ</source>
        <translation>Cusp height</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>等級なし</source>
        <translation>no class</translation>
    </message>
</context>
<context>
    <name>SimulationWindowTexts</name>
    <message>
        <source>切削シミュレーション</source>
        <translation>Cut simulation</translation>
    </message>
    <message>
        <source>荒加工計画</source>
        <translation>Plan roughing</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>刃物側面角 (片側 °)</source>
        <translation>Body angle (per side °)</translation>
    </message>
    <message>
        <source>最大切りくず面積 (mm²)</source>
        <translation>Largest chip (mm²)</translation>
    </message>
    <message>
        <source>刃物側面角 %1 は使えません: 0 以上 90 未満の度数を入れてください</source>
        <translation>Body angle %1 not usable: give 0 to below 90°</translation>
    </message>
    <message>
        <source>計算中</source>
        <translation>Simulating</translation>
    </message>
    <message>
        <source>最大切りくず面積 %1 は数値ではありません: mm² で入れてください (例 0.3)</source>
        <translation>Largest chip %1 is not a number (mm², e.g. 0.3)</translation>
    </message>
    <message>
        <source>計算中: 試算 %1 回</source>
        <translation>Planning: trial %1</translation>
    </message>
    <message>
        <source>データエラー </source>
        <translation>Data error </translation>
    </message>
    <message>
        <source>%1 回: 仕上げ代 %2</source>
        <translation>Runs: %1; X allowances: %2</translation>
    </message>
</context>
<context>
    <name>SimulationFigureTexts</name>
    <message>
        <source>, パス %1</source>
        <translation>, pass %1</translation>
    </message>
    <message>
        <source>, 素材のまま</source>
        <translation>, uncut stock</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>  法線方向: %1</source>
        <translation>  normal: %1</translation>
    </message>
    <message>
        <source>公差 %1〜%2</source>
        <translation>limits %1 to %2</translation>
    </message>
    <message>
        <source> (%1: 合格, 余裕 %2 mm)</source>
        <translation> (%1: within, %2 mm to spare)</translation>
    </message>
    <message>
        <source> (%1: 不合格, %2 mm 外れ)</source>
        <translation> (%1: outside by %2 mm)</translation>
    </message>
    <message>
        <source> (%1: 不合格)</source>
        <translation> (%1: outside)</translation>
    </message>
    <message>
        <source>ねじ %1: %2</source>
        <translation>Thread %1: %2</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>within limits</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>out of limits</translation>
    </message>
    <message>
        <source>ねじ %1: 公差の値なし (判定せず)</source>
        <translation>Thread %1: no limits known (not judged)</translation>
    </message>
    <message>
        <source>外径</source>
        <translation>Major dia.</translation>
    </message>
    <message>
        <source>谷の径</source>
        <translation>Root dia.</translation>
    </message>
    <message>
        <source>有効径</source>
        <translation>Pitch dia.</translation>
    </message>
    <message>
        <source>内径</source>
        <translation>Minor dia.</translation>
    </message>
    <message>
        <source>基準径の位置のずれ</source>
        <translation>Gauge plane shift</translation>
    </message>
    <message>
        <source>フランク角: %1 / %2  真直度: %3 / %4</source>
        <translation>Flank angles: %1 / %2  straightness: %3 / %4</translation>
    </message>
    <message>
        <source>パス数: %1  加工回数: %2  エアカット: %3</source>
        <translation>Passes: %1  runs: %2  air cuts: %3</translation>
    </message>
    <message>
        <source>最大切りくず面積: %1 mm² (%2)</source>
        <translation>Largest chip: %1 mm² (%2)</translation>
    </message>
    <message>
        <source>最大切りくず面積: なし</source>
        <translation>Largest chip: none</translation>
    </message>
    <message>
        <source>最大切りくず厚さ: %1 mm (%2)</source>
        <translation>Thickest chip: %1 mm (%2)</translation>
    </message>
    <message>
        <source>  刃先に垂直: %1 mm, 接触長さ %2 mm (%3)</source>
        <translation>  normal to edge: %1 mm, engaged %2 mm (%3)</translation>
    </message>
    <message>
        <source>最大削り残し: %1</source>
        <translation>Largest cusp: %1</translation>
    </message>
    <message>
        <source>最大食い込み: %1</source>
        <translation>Largest gouge: %1</translation>
    </message>
    <message>
        <source>ねじ形状: 不明 (削り残しと食い込みはプログラム出力の後に)</source>
        <translation>Thread form: unknown (cusp and gouge after Generate)</translation>
    </message>
    <message>
        <source>上限 %1 mm² を超えるパス: %2</source>
        <translation>Passes over %1 mm²: %2</translation>
    </message>
</context>
<context>
    <name>ChipChartTexts</name>
    <message>
        <source>パス</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>切りくず面積 mm²</source>
        <translation>Chip area mm²</translation>
    </message>
</context>
</TS>
