// The compiled-in block list. The texts are code page 936 (the sources are
// UTF-8, compiled with -fexec-charset=GBK); BlockText is assembled from the
// list once, on first use.
#include "hosts/block_list.h"

#include <array>

namespace ombrela {

const std::string_view BlockMarker = "屏蔽视频网站广告 QQ:Kalvireth";

// Stored as written: the start-up box shows it byte for byte.
const std::string_view SiteList =
    "CNTV、CNR、V1CN、JSTV、我乐网、6间房、i奇艺、优酷网、土豆网、酷6网、"
    "激动网、天线视频、迅雷看看、UstreamTV、皮皮影视、第一放映室、Wo318、"
    "爆米花、乐视网、巨鲸网、310v、Bet007、DJ527";

namespace {

using Hosts = std::string_view;

constexpr Hosts kCntv[] = {
    "ad.cntv.cn",   "d.cntv.cn",   "d1.cntv.cn",       "gg.cntv.cn",
    "stat.cntv.cn", "log.cntv.cn", "cntv.wrating.com", "vdapprecv.app.cntvwb.cn",
};
constexpr Hosts kCnr[] = {"ad.cnr.cn", "stat.cnr.cn"};
constexpr Hosts kV1cn[] = {"ads.v1.cn", "stat.v1.cn", "log.v1.cn", "counter.v1.cn"};
constexpr Hosts kJstv[] = {"ad.jstv.com", "stat.jstv.com"};
constexpr Hosts k56[] = {
    "acs.56.com",          "acs.agent.56.com", "acs.agent.v-56.com", "bill.agent.56.com",
    "bill.agent.v-56.com", "stat.56.com",      "stat.corp.56.com",   "stat2.corp.56.com",
    "stat3.corp.56.com",   "union.56.com",     "uvimage.56.com",     "v16.56.com",
};
constexpr Hosts k6rooms[] = {"pole.6rooms.com", "shrek.6.cn", "simba.6.cn", "union.6.cn"};
constexpr Hosts kQiyi[] = {
    "afp.qiyi.com",
    "ad.qiyi.com",
    "cupid.qiyi.com",
    "msg.qiyi.com",
    "msg.video.qiyi.com",
    "stat.qiyi.com",
    "afp.iqiyi.com",
    "cupid.iqiyi.com",
    "msg.iqiyi.com",
    "mixer.cupid.iqiyi.com",
    "focusbaiduafp.allyes.com",
};
constexpr Hosts kYouku[] = {
    "atm.youku.com",          "fvid.atm.youku.com",     "html.atm.youku.com",
    "valb.atm.youku.com",     "valc.atm.youku.com",     "valf.atm.youku.com",
    "valo.atm.youku.com",     "valp.atm.youku.com",     "vid.atm.youku.com",
    "walp.atm.youku.com",     "lstat.youku.com",        "speed.lstat.youku.com",
    "urchin.lstat.youku.com", "static.lstat.youku.com", "stat.youku.com",
    "hz.youku.com",           "ad.youku.com",           "ad.api.3g.youku.com",
    "r.l.youku.com",          "p.l.youku.com",          "ykrec.youku.com",
    "analytics.youku.com",
};
constexpr Hosts kTudou[] = {
    "adcontrol.tudou.com", "adplay.tudou.com",    "adextensioncontrol.tudou.com",
    "iwstat.tudou.com",    "nstat.tudou.com",     "stats.tudou.com",
    "stat.tudou.com",      "analytics.tudou.com", "ad.tudou.com",
    "adx.tudou.com",       "click.tudou.com",     "count.tudou.com",
    "tudou.allyes.com",    "tudou.wrating.com",
};
constexpr Hosts kKu6[] = {
    "ku6afp.allyes.com", "pq.stat.ku6.com",   "st.vq.ku6.cn",      "stat0.888.ku6.com",
    "stat1.888.ku6.com", "stat2.888.ku6.com", "stat3.888.ku6.com", "v0.stat.ku6.com",
    "v1.stat.ku6.com",   "v2.stat.ku6.com",   "v3.stat.ku6.com",   "ads.ku6.com",
    "ad.ku6.com",        "stat.ku6.com",      "dcads.ku6.cn",
};
constexpr Hosts kJoy[] = {"ad.joy.cn", "ads.joy.cn", "stat.joy.cn", "log.joy.cn"};
constexpr Hosts kTvix[] = {"ad.tvix.cn", "stat.tvix.cn", "log.tvix.cn"};
constexpr Hosts kKankan[] = {"float.kankan.com", "adm.kankan.com", "mcfg.sandai.net",
                             "biz5.sandai.net", "pubstat.sandai.net"};
constexpr Hosts kUstream[] = {"ads.ustream.tv", "ad.doubleclick.net"};
constexpr Hosts kPipi[] = {"ad.pipi.cn", "stat.pipi.cn", "union.pipi.cn"};
constexpr Hosts kDyfys[] = {"cpro.baidu.com", "googleads.g.doubleclick.net"};
constexpr Hosts kWo318[] = {"pos.baidu.com"};
constexpr Hosts kBaomihua[] = {"ad.baomihua.com"};
constexpr Hosts kLetv[] = {"ark.letv.com", "stat.letv.com"};
constexpr Hosts kTop100[] = {"ad.top100.cn"};
constexpr Hosts k310v[] = {"cbjs.baidu.com"};
constexpr Hosts kBet007[] = {"ad.bet007.com"};
constexpr Hosts kDj527[] = {"ad.dj527.com", "hm.baidu.com", "js.tongji.linezing.com"};

constexpr std::array<BlockGroup, 23> kGroups = {{
    {"CNTV", kCntv},       {"CNR", kCnr},           {"V1CN", kV1cn},     {"JSTV", kJstv},
    {"我乐网", k56},       {"6间房", k6rooms},      {"i奇艺", kQiyi},    {"优酷网", kYouku},
    {"土豆网", kTudou},    {"酷6网", kKu6},         {"激动网", kJoy},    {"天线视频", kTvix},
    {"迅雷看看", kKankan}, {"UstreamTV", kUstream}, {"皮皮影视", kPipi}, {"第一放映室", kDyfys},
    {"Wo318", kWo318},     {"爆米花", kBaomihua},   {"乐视网", kLetv},   {"巨鲸网", kTop100},
    {"310v", k310v},       {"Bet007", kBet007},     {"DJ527", kDj527},
}};

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kGroupHeader = "#屏蔽广告:";
constexpr std::string_view kEntryPrefix = "0.0.0.0 ";

Text AssembleBlockText() {
  Text text;
  // Two line breaks first: the block starts on a line of its own, after an
  // empty one, even when the hosts file's last line has no line break.
  text.append(kLineBreak).append(kLineBreak);
  text.append("#").append(BlockMarker).append(kLineBreak);
  text.append(kLineBreak);
  for (size_t i = 0; i < kGroups.size(); ++i) {
    // Each line break belongs to the line before it, so the very last host
    // is not followed by one; groups are kept apart by one empty line.
    if (i > 0) text.append(kLineBreak).append(kLineBreak);
    text.append(kGroupHeader).append(kGroups[i].label);
    for (std::string_view host : kGroups[i].hosts)
      text.append(kLineBreak).append(kEntryPrefix).append(host);
  }
  return text;
}

}  // namespace

std::span<const BlockGroup> BlockList() {
  return kGroups;
}

const Text& BlockText() {
  static const Text text = AssembleBlockText();
  return text;
}

}  // namespace ombrela
