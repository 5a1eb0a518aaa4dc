var tmpv=0;
tmpv=ticwvr5-psrightvr2-psleftvr1-2*parseInt(disborderw);
var cvar=0,say=0,tpos=0,enson=0,hidsay=0,hidson=0;
var art=1,topla=0;
var uagent=window.navigator.userAgent.toLowerCase();
var IE5=(uagent.indexOf('msie 5.0')!=-1);
var IE4=(uagent.indexOf('msie 4')!=-1);
var IEold=(IE5||IE4);
var divtextb="<div id=d";
var divtev1=" onmouseover=\"mdivmo(";
var divtev2=")\" onmouseout =\"restime(";
var divtev3=")\" onclick=\"butclick(";
var divtev4=")\"";
var divtexts=" style=\"position:absolute;visibility:hidden;width:"+tmpv+";COLOR: txtcolorvr11;left:0;top:0;FONT-FAMILY: textfontfamily_vr22;FONT-SIZE: font_sizevr10pt;FONT-STYLE: textstyle_vr14;FONT-WEIGHT: fontweight_vr16;TEXT-DECORATION: none;margin:0px;overflow-x:hidden;LINE-HEIGHT: textlineheight_vr18pt;text-align:textalign_vr25;padding:0px;cursor:'default';\">";
var ie6span=" style=\"position:relative;COLOR: titlecolorvr12;width:"+tmpv+";FONT-FAMILY: titlefontfamily_vr23;FONT-SIZE: titlefont_sizevr13pt;FONT-STYLE: titlestyle_vr15;FONT-WEIGHT: titleweight_vr17;TEXT-DECORATION: none;LINE-HEIGHT: titlelineheight_vr19pt;text-align:textalign_vr25;padding:0px;\"";
var innertxt="";
var objd=null,objd2=null;
function initte(){
	var i;
	innertxt="";
	for(i=0;i<mc;i++){
		innertxt=innertxt+divtextb+i+divtev1+i+divtev2+i+divtev3+i+divtev4+divtexts;
		innertxt=innertxt+"<span id=\"hgd"+i+"\""+ie6span+">"+titlea[i]+"</span><br>";
		innertxt=innertxt+texta[i]+"</div>";
	}
	spageie.innerHTML=innertxt;
	setTimeout(initte2,500);
}
function initte2(){
	var i;
	for(i=0;i<mc;i++){
		if(eval("d"+i).offsetHeight<=0){
			setTimeout(initte2,1000);
			return;
		}
	}
	for(i=0;i<mc;i++){
		heightarr[i]=parseInt(eval("d"+i).offsetHeight);
	}
	for(i=0;i<mc;i++){
		eval("d"+i).style.pixelTop=tichvr6+200;
	}
	dotrans();
}
function dotrans(){
	var i,msg;
	if(mc>0){
		if(IEold==false){
			spageie.filters[0].apply();
		}
		for(i=hidson;i<=hidsay;i++){
			eval("d"+i).style.visibility="hidden";
		}
		cvar=0;
		tpos=0;
		art=1;
		do{
			if(art==1){
				topla=0;
			}else{
				topla=prgspacevr8;
			}
			cvar=cvar+heightarr[say]+topla;
			if(cvar<(tichvr6-pstopvr3-psbottomvr4-disborderw-disborderw)){
				say=say+1;
			}else if(art==1){
				say=say+1;
			}
			art=art+1;
		}while((cvar<(tichvr6-pstopvr3-psbottomvr4-disborderw-disborderw))&&(say<mc));
		say=say-1;
		tpos=0;
		for(i=enson;i<=say;i++){
			msg=eval("d"+i);
			msg.style.pixelLeft=psleftvr1;
			msg.style.pixelTop=pstopvr3+tpos;
			cyposarr[i]=tpos;
			msg.style.visibility="visible";
			tpos=tpos+heightarr[i]+prgspacevr8;
		}
		hidsay=say;
		hidson=enson;
		say=say+1;
		if(say>=mc){
			say=0;
		}
		enson=say;
		if(IEold==false){
			spageie.filters[0].play();
		}
	}
	setTimeout(dotrans,pausetime_vr24);
}
function mdivmo(gnum){
	objd=eval("d"+gnum);
	objd2=eval("hgd"+gnum);
	if(linka[gnum].length>2){
		objd.style.color="#textovercolor_vr20";
		objd2.style.color="#titleovercolor_vr21";
		objd.style.cursor='hand';
		objd2.style.cursor='hand';
	}
	window.status=""+linka[gnum];
}
function restime(gnum2){
	objd=eval("d"+gnum2);
	objd2=eval("hgd"+gnum2);
	objd.style.color="#txtcolorvr11";
	objd2.style.color="#titlecolorvr12";
	window.status="";
}
function butclick(gnum3){
	//buildergenlink
}
window.onload=initte;
