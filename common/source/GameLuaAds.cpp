// Advertising: the requests scripts make, and the reports of an advertising service, which reach
// the scripts' callbacks. This platform has no advertising service.
#include "GameLua.h"

#include "lang/Log.h"

void GameLua::registerAdNatives() {
    registerMethod("native_requestBannerAd", &GameLua::doNothing);
    registerMethod("native_showBannerAd", &GameLua::doNothing);
    registerMethod("native_hideBannerAd", &GameLua::doNothing);
    registerMethod("native_requestExpandableAd", &GameLua::doNothing);
    registerMethod("native_showExpandableAd", &GameLua::doNothing);
    registerMethod("native_hideExpandableAd", &GameLua::doNothing);
    registerMethod("native_requestInterstitialAd", &GameLua::doNothing);
    registerMethod("native_showInterstitialAd", &GameLua::doNothing);
    registerMethod("checkMainMenuAd", &GameLua::checkMainMenuAd);
    registerMethod("checkGameCompletionUpsell", &GameLua::checkGameCompletionUpsell);
}

// checkMainMenuAd()
void GameLua::checkMainMenuAd() {
    lang::log::write("Game", __FILE__, "GameLua::checkMainMenuAd", __LINE__, lang::log::Info,
                     "Native: checkMainMenuAd() not implemented");
}

// checkGameCompletionUpsell()
void GameLua::checkGameCompletionUpsell() {
    lang::log::write("Game", __FILE__, "GameLua::checkGameCompletionUpsell", __LINE__, lang::log::Info,
                     "Native: checkGameCompletionUpsell() not implemented");
}

void GameLua::bannerHidden() { callScript("onBannerAdHidden"); }

void GameLua::bannerSizeChanged(int width, int height) { callScript("onBannerSizeChanged", {width, height}); }

void GameLua::bannerRequestFinished(bool success) {
    callScript(success ? "onBannerAdReady" : "onBannerAdRequestFailed");
}

void GameLua::expandableWillExpand() { callScript("onExpandableWillExpand"); }

void GameLua::expandableHidden() { callScript("onExpandableAdHidden"); }

void GameLua::expandableSizeChanged(int width, int height) { callScript("onExpandableSizeChanged", {width, height}); }

void GameLua::expandableRequestFinished(bool success) {
    callScript(success ? "onExpandableAdReady" : "onExpandableAdRequestFailed");
}

void GameLua::interstitialHidden() { callScript("onInterstitialAdHidden"); }

void GameLua::interstitialRequestFinished(bool success) {
    callScript(success ? "onInterstitialAdReady" : "onInterstitialAdRequestFailed");
}
