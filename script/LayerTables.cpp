#include "script/ScriptPcb.h"

namespace quillon {

namespace {

// Genesis names a layer in lower case; only A to Z change.
void AppendLowerAscii(std::string& S, const std::string& Name) {
  for (char C : Name) S += (C >= 'A' && C <= 'Z') ? static_cast<char>(C - 'A' + 'a') : C;
}

}  // namespace

void TScriptingPcb::WriteLayerTable(std::uint8_t Format) {
  if (Format == fmtCam350Macro) {
    // The index, not the plot's layer number, is what every later
    // "setlayer@" of the macro names.
    for (int I = 0; I < Layers.Count(); ++I) {
      const TLayer& Layer = Layers.Items(I);
      LineBuilder(Output) << "edit_layer@ " << I << ',' << unsigned{Layer.Number} << ','
                          << unsigned{Layer.Number} << ",4,0,\"" << Layer.Name << '"';
    }
  } else if (Format == fmtGenesis) {
    for (int I = 0; I < Layers.Count(); ++I) {
      std::string& S = Output.Open();
      S += "COM matrix_add_layer,job=";
      S += JobName;
      S += ",matrix=matrix,layer=";
      AppendLowerAscii(S, Layers.Items(I).Name);
      S += ",row=";
      fmt::AppendInt(S, I + 1);
      S += ",context=misc,type=document,polarity=positive";
      Output.Close();
    }
  }
}

}  // namespace quillon
